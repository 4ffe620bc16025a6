#include "shell/edit_box_line_index.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace zerlith::edit_box {
namespace {

std::vector<std::size_t> starts_of(const LineIndex& index) {
    std::vector<std::size_t> starts;
    for (std::size_t line = 0; line < index.line_count(); ++line) {
        starts.push_back(index.line_start(line));
    }
    return starts;
}

struct LinesCase {
    const char* name;
    std::string text;
    std::vector<std::size_t> starts;
    std::vector<std::size_t> ends;
};

TEST(LineIndexTest, FindsLinesAtEveryKindOfLineBreak) {
    const LinesCase cases[] = {
        {"empty", "", {0}, {0}},
        {"one line", "abc", {0}, {3}},
        {"CR LF", "a\r\nb", {0, 3}, {1, 4}},
        {"lone CR", "a\rb", {0, 2}, {1, 3}},
        {"lone LF", "a\nb", {0, 2}, {1, 3}},
        {"LF CR", "\n\r", {0, 1, 2}, {0, 1, 2}},
        {"CR CR LF", "\r\r\n", {0, 1, 3}, {0, 1, 3}},
        {"break at the end", "ab\r\n", {0, 4}, {2, 4}},
        {"long line over the vector width",
         std::string(40, 'x') + "\n" + std::string(17, 'y'),
         {0, 41},
         {40, 58}},
    };
    for (const LinesCase& c : cases) {
        LineIndex index;
        index.rebuild(c.text);
        EXPECT_EQ(starts_of(index), c.starts) << c.name;
        std::vector<std::size_t> ends;
        for (std::size_t line = 0; line < index.line_count(); ++line) {
            ends.push_back(index.line_end(c.text, line));
        }
        EXPECT_EQ(ends, c.ends) << c.name;
    }
}

TEST(LineIndexTest, LineOfPositionBelongsToTheLineAfterABreak) {
    const std::string text = "ab\r\ncd\ne";
    LineIndex index;
    index.rebuild(text);
    const std::size_t expected[] = {0, 0, 0, 0, 1, 1, 1, 2, 2};
    for (std::size_t pos = 0; pos <= text.size(); ++pos) {
        EXPECT_EQ(index.line_of(pos), expected[pos]) << pos;
    }
}

// Edits kept up to date must give the index a rebuild gives, whatever the edits: CR and LF
// joining and splitting at the edges, lines removed and added, edits before and after the
// previous one (the lazy shift moving both ways).
TEST(LineIndexTest, UpdatesMatchARebuildOverRandomEdits) {
    std::mt19937 random(20240611);
    const std::string alphabet = "ab\r\n\xD6";
    const auto random_bytes = [&](std::size_t count) {
        std::string bytes;
        for (std::size_t i = 0; i < count; ++i) {
            bytes += alphabet[std::uniform_int_distribution<std::size_t>(
                0, alphabet.size() - 1)(random)];
        }
        return bytes;
    };
    std::string text = random_bytes(200);
    LineIndex kept;
    kept.rebuild(text);
    for (int step = 0; step < 3000; ++step) {
        const std::size_t pos = std::uniform_int_distribution<std::size_t>(0, text.size())(random);
        const std::size_t removed = std::uniform_int_distribution<std::size_t>(
            0, std::min<std::size_t>(6, text.size() - pos))(random);
        const std::string inserted =
            random_bytes(std::uniform_int_distribution<std::size_t>(0, 6)(random));
        text.replace(pos, removed, inserted);
        kept.update(text, pos, removed, inserted.size());

        LineIndex rebuilt;
        rebuilt.rebuild(text);
        ASSERT_EQ(starts_of(kept), starts_of(rebuilt)) << "step " << step;
        const std::size_t probe =
            std::uniform_int_distribution<std::size_t>(0, text.size())(random);
        ASSERT_EQ(kept.line_of(probe), rebuilt.line_of(probe)) << "step " << step;
    }
}

}  // namespace
}  // namespace zerlith::edit_box
