#include "shell/clipboard.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "lookups/gbk_conversion.h"

namespace zerlith {
namespace {

struct ClipboardCase {
    const char* name;
    Text text;
    QString expected;
};

class ClipboardTest : public testing::TestWithParam<ClipboardCase> {};

TEST_P(ClipboardTest, HoldsTheTextAsPlainUnicodeText) {
    QGuiApplication::clipboard()->setText(QStringLiteral("earlier contents"));
    EXPECT_TRUE(set_clipboard_text(GetParam().text));
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->text(), GetParam().expected);
    EXPECT_EQ(data->formats(), QStringList{QStringLiteral("text/plain")});
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ClipboardTest,
    testing::Values(
        ClipboardCase{"Empty", Text{}, QString()},
        ClipboardCase{"Ascii", "www.example.com", QStringLiteral("www.example.com")},
        ClipboardCase{"LinesOfGbk", system_text("甲.com\r\n乙.cn\r\n"),
                      QStringLiteral(u"甲.com\r\n乙.cn\r\n")},
        ClipboardCase{"EndsAtTheFirstZeroByte", Text("ab\0cd", 5), QStringLiteral("ab")},
        ClipboardCase{"InvalidGbkShownAsReplacement", Text("a\x81"), QStringLiteral(u"a\uFFFD")}),
    [](const testing::TestParamInfo<ClipboardCase>& param) {
        return std::string(param.param.name);
    });

}  // namespace
}  // namespace zerlith
