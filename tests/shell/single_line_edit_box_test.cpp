#include "shell/single_line_edit_box.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>

#include <functional>

#include "lookups/gbk_conversion.h"
#include "shell/screen_text.h"

namespace zerlith {
namespace {

using Step = std::function<void(SingleLineEditBox&)>;

void type_c(SingleLineEditBox& box) {
    QTest::keyClick(&box, Qt::Key_C);
}
void nothing(SingleLineEditBox&) {}

struct UserEdit {
    const char* name;
    Step before;  // not counted
    Step edit;
    QString after;
};

class SingleLineUserEditTest : public testing::TestWithParam<UserEdit> {};

TEST_P(SingleLineUserEditTest, RaisesTextChangedOnce) {
    SingleLineEditBox box;
    box.setText(QStringLiteral("ab"));
    box.show();
    QGuiApplication::clipboard()->setText(QStringLiteral(u"甲"));
    GetParam().before(box);
    QSignalSpy changes(&box, &SingleLineEditBox::changed);
    GetParam().edit(box);
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(box.text(), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Edits, SingleLineUserEditTest,
    testing::Values(
        UserEdit{"Typing", nothing, type_c, QStringLiteral("abc")},
        UserEdit{"Backspace", nothing,
                 [](SingleLineEditBox& b) { QTest::keyClick(&b, Qt::Key_Backspace); },
                 QStringLiteral("a")},
        UserEdit{"Paste", nothing,
                 [](SingleLineEditBox& b) { QTest::keyClick(&b, Qt::Key_V, Qt::ControlModifier); },
                 QStringLiteral(u"ab甲")},
        UserEdit{"Cut", [](SingleLineEditBox& b) { b.selectAll(); },
                 [](SingleLineEditBox& b) { QTest::keyClick(&b, Qt::Key_X, Qt::ControlModifier); },
                 QString()},
        UserEdit{"Undo", type_c,
                 [](SingleLineEditBox& b) { QTest::keyClick(&b, Qt::Key_Z, Qt::ControlModifier); },
                 QStringLiteral("ab")}),
    [](const testing::TestParamInfo<UserEdit>& param) { return std::string(param.param.name); });

TEST(SingleLineEditBoxTest, BuildingTheBoxAndItsInitialTextRaiseNothing) {
    SingleLineEditBox box;
    QSignalSpy changes(&box, &SingleLineEditBox::changed);
    box.setText(QStringLiteral("www.example.org"));
    EXPECT_EQ(changes.count(), 0);
}

TEST(SingleLineEditBoxTest, EverySetRaisesTextChangedOnceEvenForTheSameText) {
    SingleLineEditBox box;
    QSignalSpy changes(&box, &SingleLineEditBox::changed);
    const Text status = system_text("单行域名被修改");
    for (int i = 1; i <= 3; ++i) {
        box.set_gbk_text(status);
        EXPECT_EQ(changes.count(), i);
        EXPECT_EQ(box.gbk_text(), status);
    }
}

TEST(SingleLineEditBoxTest, AppendPutsTheTextAtTheEndWithTheCaretAfterIt) {
    SingleLineEditBox box;
    box.setText(QStringLiteral("abc"));
    box.setCursorPosition(1);
    QSignalSpy changes(&box, &SingleLineEditBox::changed);
    box.append_gbk_text(system_text("甲乙"));
    EXPECT_EQ(box.gbk_text(), system_text("abc甲乙"));
    EXPECT_EQ(box.cursorPosition(), box.text().size());
    EXPECT_EQ(changes.count(), 1);
}

TEST(SingleLineEditBoxTest, TextWithoutAGbkFormIsNotTakenFromTheKeyboard) {
    SingleLineEditBox box;
    box.show();
    QSignalSpy changes(&box, &SingleLineEditBox::changed);
    QTest::keyClick(&box, Qt::Key_A);
    QKeyEvent no_gbk_form(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier,
                          QStringLiteral(u"\U0001F600"));
    QCoreApplication::sendEvent(&box, &no_gbk_form);
    EXPECT_EQ(box.text(), QStringLiteral("a"));
    EXPECT_EQ(changes.count(), 1);
}

struct ReadCase {
    const char* name;
    QString shown;
    Text read;
};

class ScreenToGbkOrQuestionMarksTest : public testing::TestWithParam<ReadCase> {};

TEST_P(ScreenToGbkOrQuestionMarksTest, Reads) {
    EXPECT_EQ(screen_to_gbk_or_question_marks(GetParam().shown), GetParam().read);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ScreenToGbkOrQuestionMarksTest,
    testing::Values(ReadCase{"Empty", QString(), Text{}},
                    ReadCase{"Gbk", QStringLiteral(u"甲a"), system_text("甲a")},
                    ReadCase{"Replacement", QStringLiteral(u"a\uFFFDb"), "a?b"},
                    ReadCase{"OutsideTheBmp", QStringLiteral(u"\U0001F600甲"),
                             join({"?", system_text("甲")})}),
    [](const testing::TestParamInfo<ReadCase>& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace zerlith
