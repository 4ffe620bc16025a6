#pragma once
// The nine metric lookups, named by their metrics. Each takes the domain, exactly as the
// run has it, and returns its report line; none ever fails towards the caller.

#include <array>

#include "lookups/lookup_table.h"
#include "lookups/text.h"

namespace zerlith {

Text PR(const Text& domain);
Text 百度权重(const Text& domain);
Text 百度快照(const Text& domain);
Text 百度收录(const Text& domain);
Text 谷歌收录(const Text& domain);
Text 搜搜收录(const Text& domain);
Text 雅虎外链(const Text& domain);
Text 百度外链(const Text& domain);
Text 谷歌外链(const Text& domain);

using Lookup = Text (*)(const Text& domain);

// The nine in the order both runs call them.
inline constexpr std::array<Lookup, kLookupCount> kLookupsInReportOrder = {
    PR, 百度权重, 百度快照, 百度收录, 谷歌收录, 搜搜收录, 雅虎外链, 百度外链, 谷歌外链,
};

}  // namespace zerlith
