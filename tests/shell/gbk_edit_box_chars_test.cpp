#include <gtest/gtest.h>

#include <ostream>

#include <algorithm>
#include <string>
#include <vector>

#include "shell/edit_box_gbk_chars.h"
#include "shell/edit_box_line_layout.h"

// Readable failure messages for the shown text.
static void PrintTo(const QString& text, std::ostream* out) {
    *out << text.toStdString();
}

namespace zerlith::edit_box {
namespace {

struct SteppingCase {
    const char* name;
    std::string text;
    std::vector<std::size_t> boundaries;  // every caret position, 0 and the end included
};

const SteppingCase kSteppingCases[] = {
    {"ascii", "ab", {0, 1, 2}},
    {"double-byte", "\xD6\xD0\xCE\xC4", {0, 2, 4}},
    {"trail bytes in ascii range", "\x81\x40\x81\x40", {0, 2, 4}},
    {"CR LF is one character", "a\r\nb", {0, 1, 3, 4}},
    {"lone CR and lone LF", "\r\ra\n\n", {0, 1, 2, 3, 4, 5}},
    {"LF CR is two line breaks", "\n\r", {0, 1, 2}},
    {"invalid bytes stand alone", "\x80\xFF\x81", {0, 1, 2, 3}},
    {"lead byte before a line break", "\xD6\r\n", {0, 1, 3}},
    {"long run of lead bytes", "\xB0\xA1\xB0\xA1\xB0\xA1\xB0", {0, 2, 4, 6, 7}},
    {"lead byte then ascii that can trail",
     "a\xB0"
     "A\xB0",
     {0, 1, 3, 4}},
};

TEST(EditBoxCharsTest, StepsForwardOverWholeCharacters) {
    for (const SteppingCase& c : kSteppingCases) {
        std::vector<std::size_t> found = {0};
        for (std::size_t pos = 0; pos < c.text.size();) {
            pos = next_char_boundary(c.text, pos);
            found.push_back(pos);
        }
        EXPECT_EQ(found, c.boundaries) << c.name;
    }
}

TEST(EditBoxCharsTest, StepsBackwardOverWholeCharacters) {
    for (const SteppingCase& c : kSteppingCases) {
        std::vector<std::size_t> found = {c.text.size()};
        for (std::size_t pos = c.text.size(); pos > 0;) {
            pos = previous_char_boundary(c.text, pos);
            found.push_back(pos);
        }
        std::reverse(found.begin(), found.end());
        EXPECT_EQ(found, c.boundaries) << c.name;
    }
}

TEST(EditBoxCharsTest, LineLayoutMapsShownCharactersToByteOffsets) {
    const WrapSettings settings{QFont(), 1000, 16};
    const LineLayout layout("a\xD6\xD0\xFF\x81\x40z", settings);
    EXPECT_EQ(layout.text(), u"a中\uFFFD丂z"_qs);
    const std::vector<std::size_t> offsets = {0, 1, 3, 4, 6, 7};
    for (int index = 0; index < static_cast<int>(offsets.size()); ++index) {
        const auto offset = offsets[static_cast<std::size_t>(index)];
        EXPECT_EQ(layout.offset_of_index(index), offset) << index;
        EXPECT_EQ(layout.index_of_offset(offset), index) << index;
    }
    EXPECT_EQ(layout.byte_length(), 7u);
}

TEST(EditBoxCharsTest, EmptyLineHasOneRow) {
    const LineLayout layout("", WrapSettings{QFont(), 100, 16});
    EXPECT_EQ(layout.row_count(), 1);
    EXPECT_EQ(layout.row_of_index(0), 0);
}

// A line far longer than a report line is laid out in pieces; positions must still map to
// the right rows and back, across the pieces.
TEST(EditBoxCharsTest, VeryLongLineKeepsEveryPositionOnItsRow) {
    const std::string bytes(5000, 'x');
    const LineLayout layout(bytes, WrapSettings{QFont(), 200, 16});
    ASSERT_GT(layout.row_count(), 10);
    int previous_row = 0;
    int covered = 0;
    for (int row = 0; row < layout.row_count(); ++row) {
        const RowSpan span = layout.row_span(row);
        EXPECT_EQ(span.start, covered) << row;
        EXPECT_EQ(layout.row_of_index(span.start), row) << row;
        EXPECT_EQ(layout.index_at_x(row, 0), span.start) << row;
        EXPECT_GE(row, previous_row);
        previous_row = row;
        covered += span.length;
    }
    EXPECT_EQ(covered, 5000);
}

}  // namespace
}  // namespace zerlith::edit_box
