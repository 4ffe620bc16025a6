#include <gtest/gtest.h>

#include <ostream>

#include <thread>
#include <vector>

#include "lookups/gbk_conversion.h"
#include "support/gbk.h"

namespace zerlith {
namespace {

using testing::hex_bytes;
using namespace std::string_literals;

struct ConversionCase {
    const char* what;
    std::string utf8;
    std::string expected_gbk;
};

// Names the case in test output and in ctest.
void PrintTo(const ConversionCase& c, std::ostream* out) {
    *out << c.what;
}

class Utf8ToGbk : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(Utf8ToGbk, ConvertsWholeOrNothing) {
    const ConversionCase& c = GetParam();
    EXPECT_EQ(utf8_to_gbk(c.utf8), c.expected_gbk) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Utf8ToGbk,
    ::testing::Values(
        ConversionCase{"ascii", "abc 123", "abc 123"},
        ConversionCase{"chinese", "\xe7\x99\xbe\xe5\xba\xa6", hex_bytes("b0 d9 b6 c8")},  // 百度
        ConversionCase{"full-width colon", "\xef\xbc\x9a", hex_bytes("a3 ba")},
        ConversionCase{"zero bytes convert like others", "a\0b"s, "a\0b"s},
        ConversionCase{"empty", "", ""},
        ConversionCase{"stray byte anywhere empties all", "\xe7\x99\xbe\xff\xe5\xba\xa6", ""},
        ConversionCase{"sequence cut off at the end", "ab\xe7\x99", ""},
        ConversionCase{"character without a GBK form", "a\xf0\x9f\x98\x80", ""},  // emoji
        ConversionCase{"overlong encoding", "\xc0\xaf", ""},
        ConversionCase{"surrogate code point", "\xed\xa0\x80", ""}));

TEST(Utf8ToGbk, LargePageConvertsCompletely) {
    std::string utf8;
    std::string gbk;
    for (int i = 0; i < 100000; ++i) {
        utf8 +=
            "\xe7\x99\xbe"
            "x";
        gbk +=
            "\xb0\xd9"
            "x";
    }
    EXPECT_EQ(utf8_to_gbk(utf8), gbk);
}

TEST(Utf8ToGbk, ConcurrentConversionsDoNotDisturbEachOther) {
    std::vector<std::thread> threads;
    std::vector<int> failures(4, 0);
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([t, &failures] {
            for (int i = 0; i < 500; ++i) {
                const bool bad = (i + t) % 3 == 0;
                const std::string out = utf8_to_gbk(bad ? "\xe7\x99" : "\xe7\x99\xbe");
                if (out != (bad ? "" : "\xb0\xd9"))
                    ++failures[static_cast<std::size_t>(t)];
            }
        });
    }
    for (auto& th : threads)
        th.join();
    EXPECT_EQ(failures, std::vector<int>(4, 0));
}

}  // namespace
}  // namespace zerlith
