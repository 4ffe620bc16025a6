#include "lookups/pattern.h"

#include <cstring>
#include <exception>

namespace zerlith {

namespace {

std::string_view up_to_first_zero(std::string_view bytes) {
    return bytes.substr(0, bytes.find('\0'));
}

SearchResult to_search_result(const boost::cmatch& match, const char* text_begin) {
    SearchResult result;
    result.groups.reserve(match.size());
    for (std::size_t i = 0; i < match.size(); ++i) {
        SearchResult::Group group;
        group.matched = match[static_cast<int>(i)].matched;
        if (group.matched) {
            group.start = static_cast<std::size_t>(match[static_cast<int>(i)].first - text_begin);
            group.length = static_cast<std::size_t>(match[static_cast<int>(i)].length());
        }
        result.groups.push_back(group);
    }
    return result;
}

bool is_pattern_syntax(char c) {
    return c != '\0' && std::strchr(".[]{}()\\*+?|^$", c) != nullptr;
}

bool is_quantifier(std::string_view pattern, std::size_t at) {
    return at < pattern.size() && std::strchr("*+?{", pattern[at]) != nullptr;
}

}  // namespace

std::optional<PatternObject::RequiredBytes> PatternObject::required_bytes_of(
    std::string_view pattern) {
    // An alternation anywhere may make any branch the match; such patterns get no shortcut.
    if (pattern.find('|') != std::string_view::npos)
        return std::nullopt;
    std::size_t at = 0;
    while (at < pattern.size() && pattern[at] == '.' && !is_quantifier(pattern, at + 1))
        ++at;
    RequiredBytes required{.offset = at, .bytes = {}};
    while (at < pattern.size() && !is_pattern_syntax(pattern[at]))
        required.bytes.push_back(pattern[at++]);
    // A quantifier binds to the byte before it, which then need not be there.
    if (is_quantifier(pattern, at) && !required.bytes.empty())
        required.bytes.pop_back();
    if (required.bytes.empty())
        return std::nullopt;
    return required;
}

bool PatternObject::create(std::string_view pattern) {
    regex_.reset();
    required_.reset();
    const std::string_view source = up_to_first_zero(pattern);
    try {
        regex_.emplace(source.begin(), source.end(), boost::regex::perl);
        required_ = required_bytes_of(source);
        return true;
    } catch (const std::exception&) {
        regex_.reset();
        return false;
    }
}

std::vector<SearchResult> PatternObject::search_all(std::string_view text) const {
    std::vector<SearchResult> results;
    const std::string_view searched = up_to_first_zero(text);
    if (!regex_ || searched.empty())
        return results;

    const char* const begin = searched.data();
    const char* const end = begin + searched.size();
    const char* start = begin;
    try {
        boost::cmatch match;
        while (true) {
            const char* from = start;
            boost::match_flag_type flags = boost::match_default;
            if (required_) {
                const std::string_view rest(start, static_cast<std::size_t>(end - start));
                const std::size_t found = rest.find(required_->bytes, required_->offset);
                if (found == std::string_view::npos)
                    break;
                from = start + (found - required_->offset);
                // No match starts before `from`; the engine still sees `start` as the
                // beginning of the text, for "^", "\b" and look-behind alike.
                if (from != start)
                    flags |= boost::match_prev_avail;
            }
            if (!boost::regex_search(from, end, match, *regex_, flags, start))
                break;
            results.push_back(to_search_result(match, begin));
            if (match[0].second == start)
                break;
            start = match[0].second;
        }
    } catch (...) {
        // Boost.Regex's complexity and memory limits end the search; earlier matches count.
    }
    return results;
}

Text group_text(const SearchResult& result, std::string_view text, std::size_t n) {
    if (n >= result.groups.size())
        return {};
    const SearchResult::Group& group = result.groups[n];
    if (!group.matched || group.length == 0 || group.start >= text.size())
        return {};
    return bytes_to_text(text.substr(group.start, group.length));
}

}  // namespace zerlith
