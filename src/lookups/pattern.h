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
    // Bytes that every match holds at a fixed distance from its start, found when the
    // pattern begins with single "." and plain bytes: "../img/pr/" gives "/img/pr/" at 2.
    // A search skips ahead to them with a plain byte search, which a pattern that starts
    // with "." would otherwise deny the engine; the matches found are the same.
    struct RequiredBytes {
        std::size_t offset = 0;
        std::string bytes;
    };
    static std::optional<RequiredBytes> required_bytes_of(std::string_view pattern);

    std::optional<boost::regex> regex_;
    std::optional<RequiredBytes> required_;
};

// The bytes of group `n` of `result`, copied from `text`; empty when the group is absent,
// did not take part in the match, or is empty.
Text group_text(const SearchResult& result, std::string_view text, std::size_t n);

}  // namespace zerlith
