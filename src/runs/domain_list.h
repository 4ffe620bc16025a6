#pragma once
// The batch run's domain list: the text of the list file cut into lines.

#include <vector>

#include "lookups/text.h"

namespace zerlith {

// Cuts at each CR LF that stands at a character start (a byte of 0x80 or more takes the byte
// after it along). Empty lines count; the text after the last CR LF is a line only if it is
// not empty; a lone CR or LF cuts nothing.
std::vector<Text> cut_into_lines(const Text& text);

}  // namespace zerlith
