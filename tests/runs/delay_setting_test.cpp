#include <gtest/gtest.h>

#include <ostream>

#include "runs/delay_setting.h"
#include "support/gbk.h"

namespace zerlith {
namespace {

using testing::gbk;
using testing::hex_bytes;

struct DelayCase {
    const char* what;
    std::string setting;
    std::int64_t milliseconds;
};

void PrintTo(const DelayCase& c, std::ostream* out) {
    *out << c.what;
}

class DelayMilliseconds : public ::testing::TestWithParam<DelayCase> {};

TEST_P(DelayMilliseconds, ReadsTheNumberAsTheBatchRunPausesForIt) {
    EXPECT_EQ(delay_milliseconds(GetParam().setting), GetParam().milliseconds) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DelayMilliseconds,
    ::testing::Values(
        DelayCase{"a list item", "3000", 3000}, DelayCase{"empty", "", 0},
        DelayCase{"letters only", "abc", 0}, DelayCase{"negative", "-2000", -2000},
        DelayCase{"plus sign", "+2000", 2000}, DelayCase{"blank ahead", " 2000", 2000},
        DelayCase{"tabs and line ends ahead", "\t\r\n\v\f2000", 2000},
        DelayCase{"letters after digits", "2000ms", 2000},
        DelayCase{"letters before digits", "ms2000", 0}, DelayCase{"sign alone", "-", 0},
        DelayCase{"two signs", "+-5", 0}, DelayCase{"blank between sign and digits", "- 5", 0},
        DelayCase{"full-width digits", gbk("２０００"), 2000},
        DelayCase{"full-width blank ahead", gbk("　2000"), 2000},
        DelayCase{"full-width minus sign", gbk("－５"), -5},
        DelayCase{"other double-byte text stops the number", gbk("2千"), 2},
        DelayCase{"A3 as a trail byte is no full-width form", hex_bytes("b0 a3 b1 35"), 0},
        DelayCase{"saturates above the 32-bit range", "99999999999999999999", 2147483647},
        DelayCase{"saturates below it", "-99999999999999999999", -2147483648LL}));

}  // namespace
}  // namespace zerlith
