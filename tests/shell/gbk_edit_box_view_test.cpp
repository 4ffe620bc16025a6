// What the edit box shows: wrapped rows, scrolling, the end in view after an append, the
// selection only while focused.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include <string>

#include "shell/gbk_edit_box.h"

namespace zerlith {
namespace {

Text numbered_lines(int count) {
    Text text;
    for (int i = 0; i < count; ++i)
        text += "line " + std::to_string(i) + "\r\n";
    return text;
}

bool shows_colour(GbkEditBox& box, QColor colour) {
    const QImage image = box.viewport()->grab().toImage();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) == colour)
                return true;
        }
    }
    return false;
}

void focus(GbkEditBox& box) {
    box.show();
    QApplication::setActiveWindow(&box);
    box.setFocus();
    QCoreApplication::processEvents();
}

TEST(GbkEditBoxViewTest, LongLinesWrapAtTheBoxWidth) {
    GbkEditBox box;
    box.resize(120, 200);
    box.show();
    const Text line = "one two three four five six seven eight nine ten eleven twelve";
    box.setText(line + "\r\nnext");
    box.setSelection(0, 0);
    QTest::keyClick(&box, Qt::Key_Down);
    EXPECT_GT(box.caretPosition(), 0u);
    EXPECT_LT(box.caretPosition(), line.size());  // the next row of the same line
    box.setSelection(0, 0);
    QTest::keyClick(&box, Qt::Key_End);
    EXPECT_LT(box.caretPosition(), line.size());

    box.resize(2000, 200);  // wide enough: one row, so Down goes to the next line
    box.setSelection(0, 0);
    QTest::keyClick(&box, Qt::Key_Down);
    EXPECT_EQ(box.caretPosition(), line.size() + 2);
}

TEST(GbkEditBoxViewTest, NeverScrollsSideways) {
    GbkEditBox box;
    EXPECT_EQ(box.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(box.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
}

TEST(GbkEditBoxViewTest, AppendPutsTheCaretAfterTheBytesAndTheEndInView) {
    GbkEditBox box;
    box.resize(150, 100);
    box.show();
    box.setText(numbered_lines(50));
    box.setSelection(3, 10);  // a selection near the top, the top in view
    EXPECT_EQ(box.firstVisibleLine(), 0u);
    EXPECT_FALSE(box.isEndVisible());

    box.append("last line");
    EXPECT_EQ(box.text(), numbered_lines(50) + "last line");
    EXPECT_EQ(box.caretPosition(), box.text().size());
    EXPECT_EQ(box.anchorPosition(), box.text().size());
    EXPECT_TRUE(box.isEndVisible());
    EXPECT_GT(box.firstVisibleLine(), 40u);
    EXPECT_EQ(box.verticalScrollBar()->value(), box.verticalScrollBar()->maximum());
}

TEST(GbkEditBoxViewTest, AppendKeepsTheEndInViewWhenTheLastLineWraps) {
    GbkEditBox box;
    box.resize(100, 100);
    box.show();
    box.setText(numbered_lines(30));
    box.append("a long report line that wraps over several rows of this narrow box");
    EXPECT_TRUE(box.isEndVisible());
}

TEST(GbkEditBoxViewTest, ScrollBarWheelAndCaretMoveTheView) {
    GbkEditBox box;
    box.resize(150, 100);
    box.show();
    box.setText(numbered_lines(100));
    QScrollBar* bar = box.verticalScrollBar();
    EXPECT_EQ(bar->value(), 0);
    EXPECT_GT(bar->maximum(), 80);

    bar->setValue(20);
    EXPECT_EQ(box.firstVisibleLine(), 20u);

    const QPoint centre = box.viewport()->rect().center();
    QWheelEvent wheel_down(centre, box.viewport()->mapToGlobal(centre), {}, {0, -120}, Qt::NoButton,
                           Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(box.viewport(), &wheel_down);
    EXPECT_EQ(box.firstVisibleLine(),
              20u + static_cast<unsigned>(QApplication::wheelScrollLines()));
    EXPECT_EQ(bar->value(), static_cast<int>(box.firstVisibleLine()));

    QTest::keyClick(&box, Qt::Key_End, Qt::ControlModifier);
    EXPECT_TRUE(box.isEndVisible());
    QTest::keyClick(&box, Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(box.firstVisibleLine(), 0u);

    bar->setValue(bar->maximum());
    EXPECT_TRUE(box.isEndVisible());
}

TEST(GbkEditBoxViewTest, ContentThatFitsDoesNotScroll) {
    GbkEditBox box;
    box.resize(200, 200);
    box.show();
    box.setText("a\r\nb");
    EXPECT_EQ(box.verticalScrollBar()->maximum(), 0);
    box.append("\r\nc");
    EXPECT_EQ(box.firstVisibleLine(), 0u);
}

TEST(GbkEditBoxViewTest, SelectionIsShownOnlyWhileTheBoxHasTheFocus) {
    QWidget window;
    auto* box = new GbkEditBox(&window);
    auto* other = new GbkEditBox(&window);
    box->setGeometry(0, 0, 200, 100);
    other->setGeometry(0, 100, 200, 100);
    box->setText("selected text");
    box->selectAll();
    window.show();
    QApplication::setActiveWindow(&window);
    const QColor highlight = box->palette().color(QPalette::Highlight);

    box->setFocus();
    QCoreApplication::processEvents();
    ASSERT_TRUE(box->hasFocus());
    EXPECT_TRUE(shows_colour(*box, highlight));

    other->setFocus();
    QCoreApplication::processEvents();
    EXPECT_FALSE(shows_colour(*box, highlight));
    EXPECT_EQ(box->selectedText(), "selected text");  // hidden, not lost
}

TEST(GbkEditBoxViewTest, PaintsBlackTextOnWhite) {
    GbkEditBox box;
    box.resize(200, 100);
    box.setText("\x80 invalid \xD6\xD0 XXXX");
    focus(box);
    EXPECT_TRUE(shows_colour(box, Qt::white));
    EXPECT_TRUE(shows_colour(box, Qt::black));
}

TEST(GbkEditBoxViewTest, UsesTheFontSetOnIt) {
    GbkEditBox box;
    box.resize(300, 200);
    box.setText("abc\r\nxyz");
    QFont big = box.font();
    big.setPixelSize(40);
    box.setFont(big);
    box.show();
    const int row = QFontMetrics(big).lineSpacing();
    QTest::mouseClick(box.viewport(), Qt::LeftButton, {}, QPoint(0, 1 + row + row / 2));
    EXPECT_EQ(box.caretPosition(), 5u);  // the second row of the big font
}

}  // namespace
}  // namespace zerlith
