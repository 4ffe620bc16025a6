// Editing the box the way a user does: keys, the input method, the mouse, the clipboard and
// undo.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

#include <ostream>
#include <string>

#include "shell/gbk_edit_box.h"

static void PrintTo(const QString& text, std::ostream* out) {
    *out << text.toStdString();
}

namespace zerlith {
namespace {

void type_text(GbkEditBox& box, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
    QApplication::sendEvent(&box, &press);
}

void commit_from_input_method(GbkEditBox& box, const QString& preedit, const QString& commit) {
    QInputMethodEvent event(preedit, {});
    event.setCommitString(commit);
    QApplication::sendEvent(&box, &event);
}

int row_height(const GbkEditBox& box) {
    return QFontMetrics(box.font()).lineSpacing();
}

QPoint row_point(const GbkEditBox& box, int x, int row) {
    return {x, 1 + row * row_height(box) + row_height(box) / 2};
}

struct DeleteCase {
    const char* name;
    Text text;
    std::size_t caret;
    Qt::Key key;
    Text after;
    std::size_t caret_after;
};

TEST(GbkEditBoxEditingTest, BackspaceAndDeleteRemoveOneWholeCharacter) {
    const DeleteCase cases[] = {
        {"backspace over a double-byte character", "a\xD6\xD0z", 3, Qt::Key_Backspace, "az", 1},
        {"delete of a double-byte character", "a\xD6\xD0z", 1, Qt::Key_Delete, "az", 1},
        {"backspace over a pair with an ascii trail",
         "A\x81\x40"
         "B",
         3, Qt::Key_Backspace, "AB", 1},
        {"backspace over the second of two pairs", "\xD6\xD0\xCE\xC4", 4, Qt::Key_Backspace,
         "\xD6\xD0", 2},
        {"backspace over CR LF", "a\r\nb", 3, Qt::Key_Backspace, "ab", 1},
        {"delete of CR LF", "a\r\nb", 1, Qt::Key_Delete, "ab", 1},
        {"backspace over a lone CR", "a\rb", 2, Qt::Key_Backspace, "ab", 1},
        {"delete of a lone LF", "a\nb", 1, Qt::Key_Delete, "ab", 1},
        {"backspace over an invalid byte", "a\x80z", 2, Qt::Key_Backspace, "az", 1},
        {"delete of a lead byte left alone at the end", "ab\x81", 2, Qt::Key_Delete, "ab", 2},
        {"backspace over a lead byte before CR LF", "\xD6\r\n", 1, Qt::Key_Backspace, "\r\n", 0},
    };
    for (const DeleteCase& c : cases) {
        GbkEditBox box;
        box.setText(c.text);
        box.setSelection(c.caret, c.caret);
        QTest::keyClick(&box, c.key);
        EXPECT_EQ(box.text(), c.after) << c.name;
        EXPECT_EQ(box.caretPosition(), c.caret_after) << c.name;
    }
}

struct TypingCase {
    const char* name;
    Text text;
    std::size_t anchor;
    std::size_t caret;
    QString typed;
    Text after;
};

TEST(GbkEditBoxEditingTest, TypedTextIsStoredAsGbkBesideBytesOfAnyKind) {
    const TypingCase cases[] = {
        {"ascii into empty", "", 0, 0, u"ab"_qs, "ab"},
        {"chinese", "", 0, 0, u"中"_qs, "\xD6\xD0"},
        {"between invalid bytes", "\xFF\x80", 1, 1, u"x"_qs,
         "\xFF"
         "x\x80"},
        {"after a lone CR", "a\rb", 2, 2, u"x"_qs, "a\rxb"},
        {"before a lone LF", "a\nb", 1, 1, u"x"_qs, "ax\nb"},
        {"after a lone lead byte", "a\xD6", 2, 2, u"x"_qs, "a\xD6x"},
        {"replacing a selection", "hello", 1, 4, u"中"_qs, "h\xD6\xD0o"},
        {"refused: no GBK form", "ab", 1, 1, u"\U0001F600"_qs, "ab"},
    };
    for (const TypingCase& c : cases) {
        GbkEditBox box;
        box.setText(c.text);
        box.setSelection(c.anchor, c.caret);
        type_text(box, c.typed);
        EXPECT_EQ(box.text(), c.after) << c.name;
    }
}

TEST(GbkEditBoxEditingTest, EnterInsertsCrLf) {
    GbkEditBox box;
    QTest::keyClicks(&box, "ab");
    QTest::keyClick(&box, Qt::Key_Return);
    QTest::keyClick(&box, Qt::Key_Enter);
    QTest::keyClicks(&box, "c");
    EXPECT_EQ(box.text(), "ab\r\n\r\nc");
}

TEST(GbkEditBoxEditingTest, InputMethodCommitIsInsertedAndPreeditIsNot) {
    GbkEditBox box;
    QSignalSpy changes(&box, &GbkEditBox::textChanged);
    commit_from_input_method(box, u"zhong"_qs, u""_qs);
    EXPECT_EQ(box.text(), "");
    commit_from_input_method(box, u""_qs, u"中文"_qs);
    EXPECT_EQ(box.text(), "\xD6\xD0\xCE\xC4");
    EXPECT_EQ(box.caretPosition(), 4u);
    EXPECT_EQ(changes.count(), 1);
    commit_from_input_method(box, u""_qs, u"\U0001F600"_qs);
    EXPECT_EQ(box.text(), "\xD6\xD0\xCE\xC4");
    EXPECT_EQ(box.inputMethodQuery(Qt::ImSurroundingText).toString(), u"中文"_qs);
    EXPECT_EQ(box.inputMethodQuery(Qt::ImCursorPosition).toInt(), 2);
}

struct MoveCase {
    const char* name;
    Text text;
    std::size_t caret;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    std::size_t anchor_after;
    std::size_t caret_after;
};

TEST(GbkEditBoxEditingTest, KeysMoveAndSelectByWholeCharactersAndLines) {
    const Text lines = "ab\r\n\xD6\xD0\xCE\xC4\rxyz";  // lines at 0, 4 and 9
    const MoveCase cases[] = {
        {"right over a pair", lines, 4, Qt::Key_Right, {}, 6, 6},
        {"left over CR LF", lines, 4, Qt::Key_Left, {}, 2, 2},
        {"shift+right selects a pair", lines, 4, Qt::Key_Right, Qt::ShiftModifier, 4, 6},
        {"shift+left over lone CR", lines, 9, Qt::Key_Left, Qt::ShiftModifier, 9, 8},
        {"down keeps the column", "abc\r\nxyz", 2, Qt::Key_Down, {}, 7, 7},
        {"down to the line after a lone CR", lines, 4, Qt::Key_Down, {}, 9, 9},
        {"up at the top stays", lines, 1, Qt::Key_Up, {}, 1, 1},
        {"home", lines, 6, Qt::Key_Home, {}, 4, 4},
        {"end", lines, 4, Qt::Key_End, {}, 8, 8},
        {"shift+end", lines, 4, Qt::Key_End, Qt::ShiftModifier, 4, 8},
        {"ctrl+end", lines, 0, Qt::Key_End, Qt::ControlModifier, 12, 12},
        {"ctrl+home", lines, 10, Qt::Key_Home, Qt::ControlModifier, 0, 0},
        {"ctrl+shift+home", lines, 10, Qt::Key_Home, Qt::ControlModifier | Qt::ShiftModifier, 10,
         0},
        {"page down to the last line", lines, 0, Qt::Key_PageDown, {}, 9, 9},
    };
    for (const MoveCase& c : cases) {
        GbkEditBox box;
        box.resize(300, 200);
        box.setText(c.text);
        box.setSelection(c.caret, c.caret);
        QTest::keyClick(&box, c.key, c.modifiers);
        EXPECT_EQ(box.anchorPosition(), c.anchor_after) << c.name;
        EXPECT_EQ(box.caretPosition(), c.caret_after) << c.name;
    }
}

TEST(GbkEditBoxEditingTest, SelectAllCopyAndPasteGoThroughTheUnicodeClipboard) {
    GbkEditBox box;
    box.setText("\xD6\xD0\r\nab");
    QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&box, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), u"中\r\nab"_qs);

    GbkEditBox other;
    QGuiApplication::clipboard()->setText(u"文\nx\r\ny"_qs);
    QTest::keyClick(&other, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(other.text(), "\xCE\xC4\r\nx\r\ny");  // a lone LF from outside becomes CR LF

    QGuiApplication::clipboard()->setText(u"\U0001F600"_qs);
    QTest::keyClick(&other, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(other.text(), "\xCE\xC4\r\nx\r\ny");
}

TEST(GbkEditBoxEditingTest, CutMovesTheSelectionToTheClipboard) {
    GbkEditBox box;
    box.setText("a\xD6\xD0z");
    box.setSelection(1, 3);
    QTest::keyClick(&box, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(box.text(), "az");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), u"中"_qs);
}

TEST(GbkEditBoxEditingTest, UndoAndRedoTakeBackUserEditsButNotAppends) {
    GbkEditBox box;
    box.setText("log\r\n");
    box.setSelection(0, 0);
    QTest::keyClicks(&box, "ab");  // one run of typing: one undo step
    box.append("line 1\r\n");      // not undoable
    box.setSelection(2, 2);
    QTest::keyClick(&box, Qt::Key_Backspace);  // removes "b"
    box.append("line 2\r\n");
    EXPECT_EQ(box.text(), "alog\r\nline 1\r\nline 2\r\n");

    QTest::keyClick(&box, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(box.text(), "ablog\r\nline 1\r\nline 2\r\n");
    QTest::keyClick(&box, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(box.text(), "log\r\nline 1\r\nline 2\r\n");
    QTest::keyClick(&box, Qt::Key_Z, Qt::ControlModifier);  // nothing left: appends stay
    EXPECT_EQ(box.text(), "log\r\nline 1\r\nline 2\r\n");

    QTest::keyClick(&box, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(box.text(), "ablog\r\nline 1\r\nline 2\r\n");
    QTest::keyClick(&box, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(box.text(), "alog\r\nline 1\r\nline 2\r\n");
}

TEST(GbkEditBoxEditingTest, SetTextEmptiesTheUndo) {
    GbkEditBox box;
    QTest::keyClicks(&box, "ab");
    box.setText("new");
    box.undo();
    EXPECT_EQ(box.text(), "new");
}

TEST(GbkEditBoxEditingTest, MouseClickDragAndShiftClickSelect) {
    GbkEditBox box;
    box.resize(300, 200);
    box.show();
    box.setText("first\r\nsecond\r\nthird");
    QWidget* area = box.viewport();

    QTest::mouseClick(area, Qt::LeftButton, {}, row_point(box, 0, 1));
    EXPECT_EQ(box.caretPosition(), 7u);
    EXPECT_EQ(box.anchorPosition(), 7u);

    QTest::mouseClick(area, Qt::LeftButton, Qt::ShiftModifier, row_point(box, 280, 2));
    EXPECT_EQ(box.anchorPosition(), 7u);
    EXPECT_EQ(box.caretPosition(), 20u);

    QTest::mousePress(area, Qt::LeftButton, {}, row_point(box, 0, 0));
    QMouseEvent drag(QEvent::MouseMove, row_point(box, 280, 1),
                     area->mapToGlobal(row_point(box, 280, 1)), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(area, &drag);
    QTest::mouseRelease(area, Qt::LeftButton, {}, row_point(box, 280, 1));
    EXPECT_EQ(box.anchorPosition(), 0u);
    EXPECT_EQ(box.caretPosition(), 13u);
    EXPECT_EQ(box.selectedText(), "first\r\nsecond");
}

TEST(GbkEditBoxEditingTest, LeftDoubleClickSelectsTheWordAndIsReported) {
    GbkEditBox box;
    box.resize(300, 200);
    box.show();
    box.setText("hello world");
    QSignalSpy double_clicks(&box, &GbkEditBox::doubleClicked);
    QTest::mouseDClick(box.viewport(), Qt::LeftButton, {}, row_point(box, 3, 0));
    EXPECT_EQ(double_clicks.count(), 1);
    EXPECT_EQ(box.selectedText(), "hello");
    QTest::mouseDClick(box.viewport(), Qt::RightButton, {}, row_point(box, 3, 0));
    EXPECT_EQ(double_clicks.count(), 1);
}

TEST(GbkEditBoxEditingTest, ContextMenuOffersTheUsualEntries) {
    GbkEditBox box;
    box.setText("abc");
    const auto enabled_entries = [&] {
        QStringList names;
        const std::unique_ptr<QMenu> menu = box.createContextMenu();
        for (QAction* action : menu->actions()) {
            if (!action->isSeparator() && action->isEnabled())
                names << action->text();
        }
        return names;
    };
    EXPECT_EQ(enabled_entries(), (QStringList{u"&Paste"_qs, u"Select &All"_qs}));
    box.setSelection(0, 2);
    type_text(box, u"x"_qs);
    box.setSelection(0, 1);
    EXPECT_EQ(enabled_entries(), (QStringList{u"&Undo"_qs, u"Cu&t"_qs, u"&Copy"_qs, u"&Paste"_qs,
                                              u"Delete"_qs, u"Select &All"_qs}));
}

}  // namespace
}  // namespace zerlith
