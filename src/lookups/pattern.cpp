#include "lookups/pattern.h"

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

}  // namespace

bool PatternObject::create(std::string_view pattern) {
    regex_.reset();
    const std::string_view source = up_to_first_zero(pattern);
    try {
        regex_.emplace(source.begin(), source.end(), boost::regex::perl);
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
        while (boost::regex_search(start, end, match, *regex_, boost::match_default)) {
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
