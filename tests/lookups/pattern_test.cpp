#include <gtest/gtest.h>

#include <ostream>

#include <string>

#include "lookups/pattern.h"
#include "support/gbk.h"

namespace zerlith {
namespace {

using namespace std::string_literals;

struct Span {
    std::size_t start;
    std::size_t length;
    bool operator==(const Span&) const = default;
};

std::vector<Span> whole_matches(const std::string& pattern, const std::string& text) {
    PatternObject p;
    p.create(pattern);
    std::vector<Span> spans;
    for (const SearchResult& r : p.search_all(text)) {
        spans.push_back({r.groups.at(0).start, r.groups.at(0).length});
    }
    return spans;
}

std::string first_group(const std::string& pattern, const std::string& text) {
    PatternObject p;
    p.create(pattern);
    const auto results = p.search_all(text);
    return results.empty() ? "<no match>" : group_text(results.front(), text, 1);
}

TEST(PatternObject, CompileFailureLeavesTheObjectEmptyAndFindingNothing) {
    PatternObject p;
    EXPECT_FALSE(p.create("<b>a(b</b>(.*?)</span>"));
    EXPECT_FALSE(p.compiled());
    EXPECT_TRUE(p.search_all("<b>a(b</b>x</span>").empty());
    EXPECT_FALSE(p.create("[abc"));
    EXPECT_TRUE(p.create("abc"));
    EXPECT_TRUE(p.compiled());
}

TEST(PatternObject, NeverCompiledOrEmptyTextGivesNoMatches) {
    PatternObject never;
    EXPECT_TRUE(never.search_all("anything").empty());
    PatternObject p;
    p.create("x*");
    EXPECT_TRUE(p.search_all("").empty());
}

TEST(PatternObject, SearchAllFindsEachMatchInTextOrderWithAbsoluteOffsets) {
    EXPECT_EQ(whole_matches("a.", "xa1ya2a3"), (std::vector<Span>{{1, 2}, {4, 2}, {6, 2}}));
}

TEST(PatternObject, EachNextSearchTreatsItsStartAsTheBeginningOfTheText) {
    // "^a" matches again at the point where the previous match ended.
    EXPECT_EQ(whole_matches("^a", "aab"), (std::vector<Span>{{0, 1}, {1, 1}}));
}

TEST(PatternObject, StopsWhenAMatchEndsAtTheBeginning) {
    // The empty match at the start ends the search: no endless loop, one result.
    EXPECT_EQ(whole_matches("x*", "abc"), (std::vector<Span>{{0, 0}}));
    EXPECT_EQ(whole_matches("b*", "bba"), (std::vector<Span>{{0, 2}, {2, 0}}));
}

TEST(PatternObject, SearchesOnlyUpToTheFirstZeroByte) {
    EXPECT_TRUE(whole_matches("tail", "head\0tail"s).empty());
    EXPECT_EQ(whole_matches("ad", "head\0tail"s).size(), 1u);
}

TEST(PatternObject, ErrorDuringSearchKeepsEarlierMatches) {
    // Catastrophic backtracking after one good match: Boost gives up on the second search.
    const std::string text = "ok!" + std::string(40, 'a');
    PatternObject p;
    ASSERT_TRUE(p.create("ok!|(a+)+b"));
    const auto results = p.search_all(text);
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0].groups[0].start, 0u);
}

struct MatchCase {
    const char* what;
    std::string pattern;
    std::string text;
    std::string group1;  // "<no match>" when nothing matches
};

// Names the case in test output and in ctest.
void PrintTo(const MatchCase& c, std::ostream* out) {
    *out << c.what;
}

class BoostDefaults : public ::testing::TestWithParam<MatchCase> {};

TEST_P(BoostDefaults, MatchByteWiseAsTheLookupsRelyOn) {
    const MatchCase& c = GetParam();
    EXPECT_EQ(first_group(c.pattern, c.text), c.group1) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BoostDefaults,
    ::testing::Values(
        MatchCase{"dot matches CR, LF and FF", "a(...)b", "a\r\n\fb", "\r\n\f"},
        MatchCase{"lazy group takes the shortest", "<(.*?)>", "<1><2>", "1"},
        MatchCase{"dollar before CR LF", "pr/([0-9]+$)", "pr/4\r\nx", "4"},
        MatchCase{"dollar at the end of the text", "pr/([0-9]+$)", "pr/7", "7"},
        MatchCase{"dollar before LF", "pr/([0-9]+$)", "pr/3\nx", "3"},
        MatchCase{"no dollar before other text", "pr/([0-9]+$)", "pr/4.gif", "<no match>"},
        MatchCase{"dollar never between CR and LF", "a(\r$)", "a\r\n", "<no match>"},
        MatchCase{"digits are ascii only", "([0-9]+)",
                  "\xa3\xb1"
                  "5",
                  "5"},
        MatchCase{"case-sensitive", "(A)", "a", "<no match>"},
        MatchCase{"leftmost wins", "(b|ab)", "xab", "ab"},
        MatchCase{"match may begin inside a double-byte character", "(\xbc.)", "\xd4\xbc\xb0\xa1",
                  "\xbc\xb0"},
        MatchCase{"empty group", "<strong>([0-9]*?)</strong>", "<strong></strong>", ""}));

// What searching all means, written the plain way: every search handed to the engine from
// where the previous match ended, that point taken as the beginning of the text.
std::vector<std::vector<std::pair<long, long>>> reference_search_all(const std::string& pattern,
                                                                     const std::string& text) {
    std::vector<std::vector<std::pair<long, long>>> all;
    const boost::regex re(pattern, boost::regex::perl);
    const char* start = text.data();
    const char* const end = start + text.size();
    boost::cmatch m;
    while (boost::regex_search(start, end, m, re)) {
        std::vector<std::pair<long, long>> groups;
        for (std::size_t i = 0; i < m.size(); ++i) {
            const auto& g = m[static_cast<int>(i)];
            groups.emplace_back(g.matched ? g.first - text.data() : -1,
                                g.matched ? g.length() : -1);
        }
        all.push_back(groups);
        if (m[0].second == start)
            break;
        start = m[0].second;
    }
    return all;
}

std::vector<std::vector<std::pair<long, long>>> searched(const std::string& pattern,
                                                         const std::string& text) {
    PatternObject p;
    EXPECT_TRUE(p.create(pattern)) << pattern;
    std::vector<std::vector<std::pair<long, long>>> all;
    for (const SearchResult& r : p.search_all(text)) {
        std::vector<std::pair<long, long>> groups;
        for (const auto& g : r.groups) {
            groups.emplace_back(g.matched ? static_cast<long>(g.start) : -1,
                                g.matched ? static_cast<long>(g.length) : -1);
        }
        all.push_back(groups);
    }
    return all;
}

TEST(PatternObject, SkippingAheadToRequiredBytesFindsTheSameMatches) {
    // Patterns that start with "." and plain bytes are searched with a shortcut; the
    // matches must be those of the plain search, assertions at the skip point included.
    const std::string patterns[] = {
        "../img/pr/([0-9]+$)",
        "..b",
        ".ab",
        "ab",
        "ab*c",
        "abc?",
        "a{2}b",
        "...x+",
        "..\\bab",
        "..(?<=xa)b",
        ".(?<!y)ab",
        "^.ab",
        ".a$",
        "..ab|cd",
        "<b>a.org</b>(.*?)</span>",
        "\xb0\xa1.",
        ".\xa1" "b",
    };
    const std::string texts[] = {
        "",
        "ab",
        "xab",
        "xxab yab zab",
        "../img/pr/4\r\nx ../img/pr/5",
        "..ab ab xab",
        "aab aabb abbbc ac abc",
        "yab xab",
        "\xb0\xa1\xb0\xa1" "b",
        "ab\r\nb\na",
        "<b>axorg</b>1</span><b>a.org</b>2</span>",
        "xxxxxxxx",
    };
    for (const std::string& pattern : patterns) {
        for (const std::string& text : texts) {
            EXPECT_EQ(searched(pattern, text), reference_search_all(pattern, text))
                << "pattern " << pattern << " text " << text;
        }
    }
}

TEST(GroupText, CopiesTheGroupOrGivesEmpty) {
    SearchResult r;
    r.groups = {{0, 5, true}, {1, 3, true}, {0, 0, false}, {4, 0, true}};
    const std::string text = "abcdef";
    EXPECT_EQ(group_text(r, text, 0), "abcde");
    EXPECT_EQ(group_text(r, text, 1), "bcd");
    EXPECT_EQ(group_text(r, text, 2), "");  // did not take part
    EXPECT_EQ(group_text(r, text, 3), "");  // empty
    EXPECT_EQ(group_text(r, text, 9), "");  // no such group
    EXPECT_EQ(group_text(SearchResult{}, text, 1), "");
}

TEST(GroupText, NonParticipatingGroupInARealMatch) {
    PatternObject p;
    ASSERT_TRUE(p.create("(x)?(y)"));
    const auto results = p.search_all("y");
    ASSERT_EQ(results.size(), 1u);
    EXPECT_FALSE(results[0].groups[1].matched);
    EXPECT_EQ(group_text(results[0], "y", 1), "");
    EXPECT_EQ(group_text(results[0], "y", 2), "y");
}

}  // namespace
}  // namespace zerlith
