#pragma once
// The pattern object: one Boost.Regex pattern over GBK bytes, compiled with the default Perl
// grammar, case-sensitive, matched byte by byte.

#include <boost/regex.hpp>
#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "lookups/text.h"

namespace zerlith {

// One match: the whole match (group 0) and each parenthesised group, with byte offsets from
// the beginning of the searched text.
struct SearchResult {
    struct Group {
        std::size_t start = 0;
        std::size_t length = 0;
        bool matched = false;
    };
    std::vector<Group> groups;
};

class PatternObject {
  public:
    // Compiles the pattern (its bytes up to the first zero). On failure the object is left
    // empty and false is returned.
    bool create(std::string_view pattern);
    bool compiled() const { return regex_.has_value(); }

    // Every match in the text (up to its first zero byte), in text order. Each search starts
    // where the previous whole match ended and treats that point as the beginning of the
    // text. An empty object or text gives no matches; an error that Boost.Regex raises while
    // searching ends the search, keeping the matches found before it.
    std::vector<SearchResult> search_all(std::string_view text) const;

  private:
    std::optional<boost::regex> regex_;
};

// The bytes of group `n` of `result`, copied from `text`; empty when the group is absent,
// did not take part in the match, or is empty.
Text group_text(const SearchResult& result, std::string_view text, std::size_t n);

}  // namespace zerlith
