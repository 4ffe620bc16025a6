#include <gtest/gtest.h>

#include <ostream>

#include "lookups/text.h"
#include "support/gbk.h"

namespace zerlith {
namespace {

using testing::gbk;
using testing::hex_bytes;

struct DeleteCase {
    const char* what;
    std::string text;
    std::string needle;
    std::string expected;
};

// Names the case in test output and in ctest.
void PrintTo(const DeleteCase& c, std::ostream* out) {
    *out << c.what;
}

class DeleteAll : public ::testing::TestWithParam<DeleteCase> {};

TEST_P(DeleteAll, RemovesWholeCharacterOccurrencesOnly) {
    const DeleteCase& c = GetParam();
    EXPECT_EQ(delete_all(c.text, c.needle), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DeleteAll,
    ::testing::Values(
        DeleteCase{"every occurrence", "1,234,567", ",", "1234567"},
        DeleteCase{"double-byte needle", gbk("数约12,345"), gbk("约"), gbk("数12,345")},
        DeleteCase{"needle across two characters is no occurrence", hex_bytes("b0 d4 bc b0 31"),
                   hex_bytes("d4 bc"), hex_bytes("b0 d4 bc b0 31")},
        DeleteCase{"needle at a character start after a pair", hex_bytes("b0 a1 d4 bc 35"),
                   hex_bytes("d4 bc"), hex_bytes("b0 a1 35")},
        DeleteCase{"ascii needle inside a pair's second byte is kept", hex_bytes("81 2c 2c"), ",",
                   hex_bytes("81 2c")},
        DeleteCase{"back-to-back occurrences", "  5  ", " ", "5"},
        DeleteCase{"tail shorter than the needle is copied", "ab", "abc", "ab"},
        DeleteCase{"lead byte as last byte is copied", hex_bytes("31 c4"), "x", hex_bytes("31 c4")},
        DeleteCase{"empty needle leaves the text", "1,2", "", "1,2"},
        DeleteCase{"empty text", "", ",", ""}, DeleteCase{"case-sensitive", "aAa", "a", "A"},
        DeleteCase{"line ends are not touched by other deletions", "\r\n5", " ", "\r\n5"}));

TEST(Join, ConcatenatesInOrderWithEmptyPiecesCountingAsNothing) {
    EXPECT_EQ(join({"http://", "", "h", "/p?q=", "d", "/"}), "http://h/p?q=d/");
    EXPECT_EQ(join({}), "");
}

TEST(BytesToText, EndsBeforeTheFirstZeroByte) {
    using namespace std::string_literals;
    EXPECT_EQ(bytes_to_text("ab\0cd"s), "ab");
    EXPECT_EQ(bytes_to_text("\0"s), "");
    EXPECT_EQ(bytes_to_text(""), "");
    EXPECT_EQ(bytes_to_text(hex_bytes("b0 a1 31")), hex_bytes("b0 a1 31"));
}

}  // namespace
}  // namespace zerlith
