#include "shell/screen_text.h"

#include <gtest/gtest.h>

#include <ostream>

#include <optional>
#include <string>

#include "shell/edit_box_gbk_chars.h"

// Readable failure messages for the shown text.
static void PrintTo(const QString& text, std::ostream* out) {
    *out << text.toStdString();
}

namespace zerlith {
namespace {

struct DecodeCase {
    const char* name;
    std::string gbk;
    QString screen;
};

TEST(ScreenTextTest, DecodesGbkAndReplacesEachOffendingByte) {
    const DecodeCase cases[] = {
        {"empty", "", u""_qs},
        {"ascii", "abc 123", u"abc 123"_qs},
        {"double-byte", "\xD6\xD0\xCE\xC4", u"中文"_qs},
        {"trail byte in ascii range", "\x81\x40", u"丂"_qs},
        {"line ends kept", "a\r\nb\rc\nd", u"a\r\nb\rc\nd"_qs},
        {"0x80 is the euro sign", "a\x80z", u"a€z"_qs},
        {"0xFF alone", "a\xFFz", u"a\uFFFDz"_qs},
        {"0xFF twice", "\xFF\xFF", u"\uFFFD\uFFFD"_qs},
        {"lead byte cut off at the end", "ab\x81", u"ab\uFFFD"_qs},
        {"lead byte before a line break", "\x81\r\n", u"\uFFFD\r\n"_qs},
        {"invalid pair then valid text", "\x81\x7F\xD6\xD0", u"\uFFFD\x7F中"_qs},
    };
    for (const DecodeCase& c : cases) {
        EXPECT_EQ(gbk_to_screen(c.gbk), c.screen) << c.name;
    }
}

struct EncodeCase {
    const char* name;
    QString screen;
    std::optional<Text> gbk;
};

TEST(ScreenTextTest, EncodesToGbkOrRefuses) {
    const EncodeCase cases[] = {
        {"empty", u""_qs, Text{}},
        {"ascii and line ends", u"a\r\nb"_qs, Text("a\r\nb")},
        {"chinese", u"中文"_qs, Text("\xD6\xD0\xCE\xC4")},
        {"full-width colon", u"："_qs, Text("\xA3\xBA")},
        {"emoji has no GBK form", u"a\U0001F600"_qs, std::nullopt},
        {"lone surrogate", QString(QChar(0xD800)), std::nullopt},
        {"euro sign", u"€"_qs, Text("\x80")},
        {"ends before U+0000", QString::fromUtf16(u"ab\0cd", 5), Text("ab")},
    };
    for (const EncodeCase& c : cases) {
        EXPECT_EQ(screen_to_gbk(c.screen), c.gbk) << c.name;
    }
}

// The edit box paints with its own per-character table; it must show every byte pair the
// way the conversion at the screen boundary does.
TEST(ScreenTextTest, EditBoxCharactersAgreeWithScreenConversionForEveryBytePair) {
    int mismatches = 0;
    for (int first = 1; first < 256; ++first) {
        for (int second = 1; second < 256; ++second) {
            const std::string bytes = {static_cast<char>(first), static_cast<char>(second)};
            QString stepped;
            for (std::size_t pos = 0; pos < bytes.size();) {
                const edit_box::DecodedChar decoded = edit_box::decode_char(bytes, pos);
                stepped.append(QChar(decoded.code));
                pos += decoded.length;
            }
            if (stepped != gbk_to_screen(bytes) && ++mismatches <= 5) {
                ADD_FAILURE() << std::hex << first << " " << second;
            }
        }
    }
    EXPECT_EQ(mismatches, 0);
}

}  // namespace
}  // namespace zerlith
