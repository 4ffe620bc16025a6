// The edit box's content: bytes in, the same bytes out, and one text-changed per change.
#include "shell/gbk_edit_box.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include <functional>
#include <string>

namespace zerlith {
namespace {

std::string every_nonzero_byte() {
    std::string bytes;
    for (int value = 1; value < 256; ++value)
        bytes += static_cast<char>(value);
    return bytes;
}

struct BytesCase {
    const char* name;
    Text bytes;
};

const BytesCase kBytesCases[] = {
    {"empty", ""},
    {"ascii", "hello"},
    {"report lines",
     " PR\xA3\xBA"
     "5\r\n \xB0\xD9\xB6\xC8\xC8\xA8\xD6\xD8\xA3\xBA"
     "3\r\n"},
    {"lone CR", "a\rb\r"},
    {"lone LF", "a\nb\n"},
    {"mixed breaks", "\r\n\n\r\r\r\n\n"},
    {"invalid GBK", "\x80\xFF\x81\x7F\xFE"},
    {"lead byte at the very end", "abc\xD6"},
    {"every byte but zero", every_nonzero_byte()},
    {"long line", std::string(100000, 'x')},
};

TEST(GbkEditBoxContentTest, SetTextGivesBackExactlyTheBytes) {
    for (const BytesCase& c : kBytesCases) {
        GbkEditBox box;
        box.setText(c.bytes);
        EXPECT_EQ(box.text(), c.bytes) << c.name;
    }
}

TEST(GbkEditBoxContentTest, AppendsGiveBackExactlyTheBytesInOrder) {
    for (const BytesCase& c : kBytesCases) {
        GbkEditBox box;
        box.setText("start\r");
        box.append(c.bytes);
        box.append("\n");
        EXPECT_EQ(box.text(), "start\r" + c.bytes + "\n") << c.name;
    }
}

TEST(GbkEditBoxContentTest, ShownBoxKeepsTheBytesThroughPaintingAndResizing) {
    for (const BytesCase& c : kBytesCases) {
        GbkEditBox box;
        box.resize(120, 80);
        box.show();
        box.setText(c.bytes);
        box.viewport()->grab();
        box.resize(60, 200);
        box.viewport()->grab();
        EXPECT_EQ(box.text(), c.bytes) << c.name;
    }
}

TEST(GbkEditBoxContentTest, TextReturnsTheContentWithoutCopying) {
    GbkEditBox box;
    box.setText("abc");
    const Text* before = &box.text();
    box.append("def");
    EXPECT_EQ(&box.text(), before);
}

struct SignalCase {
    const char* name;
    std::function<void(GbkEditBox&)> action;
    int changes;
};

TEST(GbkEditBoxSignalTest, RaisesTextChangedOncePerChange) {
    const SignalCase cases[] = {
        {"setText", [](GbkEditBox& box) { box.setText("x"); }, 1},
        {"setText of the same bytes", [](GbkEditBox& box) { box.setText(box.text()); }, 1},
        {"append", [](GbkEditBox& box) { box.append("line\r\n"); }, 1},
        {"append of nothing", [](GbkEditBox& box) { box.append(""); }, 1},
        {"three typed keys", [](GbkEditBox& box) { QTest::keyClicks(&box, "abc"); }, 3},
        {"Enter", [](GbkEditBox& box) { QTest::keyClick(&box, Qt::Key_Return); }, 1},
        {"Backspace at the start",
         [](GbkEditBox& box) {
             box.setSelection(0, 0);
             QTest::keyClick(&box, Qt::Key_Backspace);
         },
         0},
        {"Delete at the end",
         [](GbkEditBox& box) {
             box.setSelection(5, 5);
             QTest::keyClick(&box, Qt::Key_Delete);
         },
         0},
        {"Delete in the middle",
         [](GbkEditBox& box) {
             box.setSelection(1, 1);
             QTest::keyClick(&box, Qt::Key_Delete);
         },
         1},
        {"select all, copy",
         [](GbkEditBox& box) {
             box.selectAll();
             box.copy();
         },
         0},
        {"cut",
         [](GbkEditBox& box) {
             box.setSelection(0, 2);
             box.cut();
         },
         1},
        {"undo with nothing to undo", [](GbkEditBox& box) { box.undo(); }, 0},
        {"typing then undo then redo",
         [](GbkEditBox& box) {
             QTest::keyClicks(&box, "z");
             box.undo();
             box.redo();
         },
         3},
        {"caret moves",
         [](GbkEditBox& box) {
             QTest::keyClick(&box, Qt::Key_Left);
             QTest::keyClick(&box, Qt::Key_Home, Qt::ControlModifier);
         },
         0},
    };
    for (const SignalCase& c : cases) {
        GbkEditBox box;
        box.setText("hello");
        QSignalSpy changes(&box, &GbkEditBox::textChanged);
        c.action(box);
        EXPECT_EQ(changes.count(), c.changes) << c.name;
    }
}

TEST(GbkEditBoxSignalTest, BuildingTheBoxRaisesNothing) {
    int changes = 0;
    auto box = std::make_unique<GbkEditBox>();
    QObject::connect(box.get(), &GbkEditBox::textChanged, [&] { ++changes; });
    box->resize(100, 100);
    box->show();
    QCoreApplication::processEvents();
    EXPECT_EQ(changes, 0);
    EXPECT_TRUE(box->text().empty());
}

TEST(GbkEditBoxSignalTest, HandlerSeesTheNewTextAndMayChangeTheBoxAgain) {
    GbkEditBox box;
    std::vector<Text> seen;
    QObject::connect(&box, &GbkEditBox::textChanged, [&] {
        seen.push_back(box.text());
        if (box.text() == "a")
            box.append("b");
    });
    box.setText("a");
    EXPECT_EQ(seen, (std::vector<Text>{"a", "ab"}));
    EXPECT_EQ(box.text(), "ab");
}

}  // namespace
}  // namespace zerlith
