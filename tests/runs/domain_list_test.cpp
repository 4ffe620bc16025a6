#include <gtest/gtest.h>

#include <ostream>

#include "runs/domain_list.h"
#include "support/gbk.h"

namespace zerlith {
namespace {

using testing::gbk;
using testing::hex_bytes;

struct CutCase {
    const char* what;
    std::string text;
    std::vector<std::string> lines;
};

void PrintTo(const CutCase& c, std::ostream* out) {
    *out << c.what;
}

class CutIntoLines : public ::testing::TestWithParam<CutCase> {};

TEST_P(CutIntoLines, CutsAtCrLfThatStartsACharacter) {
    EXPECT_EQ(cut_into_lines(GetParam().text), GetParam().lines) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CutIntoLines,
    ::testing::Values(
        CutCase{"empty text has no lines", "", {}},
        CutCase{"two lines without a final line end", "a.com\r\nb.com", {"a.com", "b.com"}},
        CutCase{"two lines with a final line end", "a.com\r\nb.com\r\n", {"a.com", "b.com"}},
        CutCase{"final CR LF CR LF gives one empty last line",
                "a.com\r\nb.com\r\n\r\n",
                {"a.com", "b.com", ""}},
        CutCase{"empty line between", "a.com\r\n\r\nb.com", {"a.com", "", "b.com"}},
        CutCase{"only a line end", "\r\n", {""}},
        CutCase{"LF line ends alone make one line", "a.com\nb.com\n", {"a.com\nb.com\n"}},
        CutCase{"lone CR cuts nothing", "a.com\rb.com", {"a.com\rb.com"}},
        CutCase{"CR LF as the trail of a double-byte character is no line end",
                hex_bytes("b0 0d 0a 61 0d 0a 62"),
                {hex_bytes("b0 0d 0a 61"), "b"}},
        CutCase{
            "double-byte domains", gbk("百度.com\r\n中国.cn"), {gbk("百度.com"), gbk("中国.cn")}},
        CutCase{"blanks are kept", " a.com \r\nabc", {" a.com ", "abc"}},
        CutCase{"lead byte at the very end", hex_bytes("61 0d 0a b0"), {"a", hex_bytes("b0")}}));

}  // namespace
}  // namespace zerlith
