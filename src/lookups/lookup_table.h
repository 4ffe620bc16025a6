#pragma once
// The nine metric lookups as data: what each one asks for and how it reads the answer.

#include <array>
#include <string_view>
#include <vector>

#include "lookups/text.h"

namespace zerlith {

enum class Endpoint {
    PageRankService,
    SiteWeightService,
    BaiduSearch,
    GoogleSearch,
    SosoSearch,
    YahooSiteMap,
};

enum class Decoding { AsReceived, Utf8ToGbk };

struct LookupDefinition {
    Text name;  // the metric's name, as in the report
    Endpoint endpoint;
    Text path_and_query;  // between the host and the domain
    Text suffix;          // after the domain
    Decoding decoding;
    // The pattern is pattern_head alone, or pattern_head + domain + pattern_tail when the
    // domain is part of it. The domain goes in unescaped: its "." matches any byte.
    Text pattern_head;
    bool domain_in_pattern;
    Text pattern_tail;
    std::vector<Text> deletions;  // removed from the value, in this order
    Text label;                   // " ", name, "：" (full-width colon)
    Text line_end;
    Text fallback_line;  // label, fixed value, line end
};

inline constexpr std::size_t kLookupCount = 9;

// The rows in report order: PR, 百度权重, 百度快照, 百度收录, 谷歌收录, 搜搜收录, 雅虎外链,
// 百度外链, 谷歌外链.
const std::array<LookupDefinition, kLookupCount>& lookup_table();

// The host name an endpoint is asked at (plain http, default port).
std::string_view endpoint_host(Endpoint endpoint);

}  // namespace zerlith
