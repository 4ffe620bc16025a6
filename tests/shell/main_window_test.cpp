// The main window as built from its window model, and its events, on real widgets.
#include "shell/main_window.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>

#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "shell/balloon_tooltip.h"
#include "shell/copy_on_double_click.h"
#include "shell/fonts.h"
#include "shell/gbk_edit_box.h"
#include "shell/message_box.h"
#include "shell/screen_text.h"
#include "shell/single_line_edit_box.h"
#include "shell/ui_thread.h"
#include "shell/view_operations.h"
#include "support/gbk.h"

namespace zerlith {
namespace {

using testing::gbk;

// Records every message box instead of showing it.
struct MessageBoxes {
    MessageBoxes() {
        set_message_box_hook([this](const MessageBoxRequest& request) {
            const std::lock_guard lock(mutex);
            shown.push_back(request);
            return 0;
        });
    }
    ~MessageBoxes() { set_message_box_hook({}); }
    std::vector<MessageBoxRequest> all() {
        const std::lock_guard lock(mutex);
        return shown;
    }
    std::mutex mutex;
    std::vector<MessageBoxRequest> shown;
};

struct MainWindowTest : ::testing::Test {
    UiThread ui;
    MessageBoxes boxes;
    MainWindow window{ui};

    template <typename Widget = QWidget>
    Widget* find(const char* name) {
        auto* widget = window.findChild<Widget*>(QString::fromUtf8(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    Text text_of(Control control) { return window.view().read_control_text(control); }
};

// The window model, control by control, as the user meets it.
struct ControlCase {
    const char* name;
    const char* class_name;
    const char* parent;  // "" for the main window
    QRect place;
    const char* text;  // UTF-8; nullptr where the control shows no text
    int font_pixels;   // 0: the default GUI font
    bool visible;
    bool takes_focus;
};

void PrintTo(const ControlCase& c, std::ostream* out) {
    *out << c.name;
}

const ControlCase kControls[] = {
    {"多行编辑框", "zerlith::GbkEditBox", "", {371, 6, 175, 409}, "", 0, true, true},
    {"状态框", "zerlith::SingleLineEditBox", "分组框5", {249, 10, 112, 16}, "", 0, true, true},
    {"气球提示框", "QWidget", "分组框3", {-7, 0, 24, 16}, nullptr, 0, false, false},
    {"简单超文本框1",
     "zerlith::HypertextStrip",
     "分组框5",
     {2, 12, 243, 16},
     "作者主页 工具 教程 友链 软件官方",
     0,
     true,
     true},
    {"分组框5", "QGroupBox", "", {2, 385, 366, 30}, nullptr, 0, true, false},
    {"延时组合框", "zerlith::DelayComboBox", "分组框3", {99, 326, 80, 20}, "", 0, true, true},
    {"标签1", "QLabel", "分组框3", {10, 328, 88, 16}, "多行查询延时", 14, true, false},
    {"多行按钮",
     "zerlith::CaptionButton",
     "分组框3",
     {3, 351, 179, 30},
     "开始多行查询分析",
     14,
     true,
     true},
    {"多行域名编辑框", "zerlith::GbkEditBox", "分组框3", {5, 8, 175, 312}, "", 0, true, true},
    {"分组框3", "QGroupBox", "", {183, 0, 185, 385}, nullptr, 0, true, false},
    {"标签", "QLabel", "", {8, 10, 40, 18}, "域名", 20, true, false},
    {"域名编辑框",
     "zerlith::SingleLineEditBox",
     "",
     {51, 8, 130, 22},
     "www.zerlith-links.org",
     0,
     true,
     true},
    {"pr编辑框", "zerlith::GbkEditBox", "", {7, 75, 174, 304}, "", 0, true, true},
    {"pr按钮", "zerlith::CaptionButton", "", {7, 40, 174, 32}, "开始查询分析", 14, true, true},
    {"分组框1", "QGroupBox", "", {2, 0, 184, 34}, nullptr, 0, true, false},
    {"分组框2", "QGroupBox", "", {2, 30, 184, 355}, nullptr, 0, true, false},
    {"分组框4", "QGroupBox", "分组框3", {2, 317, 180, 32}, nullptr, 0, true, false},
};

QString shown_text(QWidget* widget) {
    if (auto* box = qobject_cast<GbkEditBox*>(widget))
        return gbk_to_screen(box->text());
    if (auto* line = qobject_cast<QLineEdit*>(widget))
        return line->text();
    if (auto* combo = qobject_cast<QComboBox*>(widget))
        return combo->currentText();
    if (auto* button = qobject_cast<QPushButton*>(widget))
        return button->text();
    if (auto* label = qobject_cast<QLabel*>(widget))
        return label->text();
    if (auto* strip = qobject_cast<QTextEdit*>(widget))
        return strip->toPlainText().trimmed();
    return {};
}

class WindowModel : public MainWindowTest, public ::testing::WithParamInterface<ControlCase> {};

TEST_P(WindowModel, ControlStandsAsTheModelHasIt) {
    const ControlCase& c = GetParam();
    window.show();
    QWidget* widget = find(c.name);
    ASSERT_NE(widget, nullptr);
    EXPECT_STREQ(widget->metaObject()->className(), c.class_name);
    const QWidget* parent = widget->parentWidget();
    EXPECT_EQ(parent, *c.parent ? find(c.parent) : &window);
    EXPECT_EQ(widget->geometry(), c.place);
    if (c.text != nullptr) {
        EXPECT_EQ(shown_text(widget), QString::fromUtf8(c.text));
    }
    if (c.font_pixels != 0) {
        EXPECT_EQ(widget->font().pixelSize(), c.font_pixels);
        EXPECT_EQ(widget->font().family(), song_family());
        EXPECT_EQ(widget->font().weight(), QFont::Normal);
    } else {
        EXPECT_EQ(widget->font(), QApplication::font());
    }
    EXPECT_EQ(widget->isVisible(), c.visible);
    EXPECT_EQ(widget->focusPolicy() != Qt::NoFocus, c.takes_focus);
    EXPECT_TRUE(widget->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(EveryControl, WindowModel, ::testing::ValuesIn(kControls),
                         [](const ::testing::TestParamInfo<ControlCase>& param) {
                             return "control" + std::to_string(param.index);
                         });

TEST_F(MainWindowTest, EveryControlIsRegisteredUnderItsModelName) {
    for (const ControlCase& c : kControls) {
        QWidget* widget = find(c.name);
        bool registered = false;
        for (int i = 0; i <= static_cast<int>(Control::分组框4); ++i)
            registered = registered || window.control(static_cast<Control>(i)) == widget;
        EXPECT_TRUE(registered) << c.name;
    }
}

TEST_F(MainWindowTest, WindowHasItsTitleAFixedSizeAndNoMaximiseButton) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(window.windowTitle(),
              QStringLiteral("网站权重 收录 快照 综合分析 批量分析 工具 ZerlithV3.1"));
    EXPECT_EQ(window.frameGeometry().size(), QSize(555, 450));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    const Qt::WindowFlags flags = window.windowFlags();
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(flags & Qt::WindowSystemMenuHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowStaysOnTopHint);
}

TEST_F(MainWindowTest, BoxesButtonsAndStatusLineHaveTheirLook) {
    for (const char* name : {"多行编辑框", "pr编辑框", "多行域名编辑框", "域名编辑框"}) {
        const QPalette colours = find(name)->palette();
        EXPECT_EQ(colours.color(QPalette::Base), QColor(Qt::white)) << name;
        EXPECT_EQ(colours.color(QPalette::Text), QColor(Qt::black)) << name;
    }
    auto* status = find<QLineEdit>("状态框");
    EXPECT_FALSE(status->hasFrame());
    EXPECT_EQ(status->palette().color(QPalette::Text), QColor(191, 0, 0));
    EXPECT_EQ(status->palette().color(QPalette::Base), window.palette().color(QPalette::Window));
    EXPECT_EQ(window.palette().color(QPalette::Window), QPalette().color(QPalette::Window));
    for (const char* name : {"pr按钮", "多行按钮"}) {
        auto* button = find<QPushButton>(name);
        EXPECT_EQ(button->cursor().shape(), Qt::PointingHandCursor) << name;
        EXPECT_FALSE(button->isDefault() || button->autoDefault()) << name;
    }
    for (const char* name : {"标签", "标签1"})
        EXPECT_EQ(find<QLabel>(name)->alignment(), Qt::AlignLeft | Qt::AlignVCenter) << name;
    for (const char* name : {"分组框1", "分组框2", "分组框3", "分组框4", "分组框5"})
        EXPECT_TRUE(find<QGroupBox>(name)->title().isEmpty()) << name;
}

TEST_F(MainWindowTest, DelayBoxIsEditableWithTenItemsNonePicked) {
    auto* delay = find<QComboBox>("延时组合框");
    EXPECT_TRUE(delay->isEditable());
    EXPECT_EQ(delay->currentIndex(), -1);
    EXPECT_TRUE(delay->currentText().isEmpty());
    QStringList items;
    for (int i = 0; i < delay->count(); ++i)
        items << delay->itemText(i);
    EXPECT_EQ(items, (QStringList{"1000", "2000", "3000", "4000", "5000", "6000", "7000", "8000",
                                  "9000", "10000"}));
}

TEST_F(MainWindowTest, OpenDelayListReachesDownTo160PixelsBelowTheBoxTop) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto* delay = find<QComboBox>("延时组合框");
    delay->showPopup();
    QWidget* list = delay->view()->window();
    ASSERT_TRUE(QTest::qWaitFor([&] { return list->isVisible(); }));
    const QPoint top = delay->mapToGlobal(QPoint(0, 0));
    EXPECT_EQ(list->geometry().top(), top.y() + delay->height());
    EXPECT_EQ(list->geometry().bottom() + 1 - top.y(), 160);
    delay->hidePopup();
}

TEST_F(MainWindowTest, BuildingRaisesNoEventAndLaterChangesDo) {
    // The sample domain was put into 域名编辑框 while building: no status came of it.
    EXPECT_EQ(text_of(Control::状态框), "");
    QSignalSpy pr(&window, &MainWindow::prBoxChanged);
    QSignalSpy report(&window, &MainWindow::batchReportBoxChanged);
    QSignalSpy list(&window, &MainWindow::domainListBoxChanged);
    QSignalSpy picked(&window, &MainWindow::delayPicked);
    window.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(pr.count() + report.count() + list.count() + picked.count(), 0);

    window.view().set_control_text(Control::pr编辑框, "x");
    window.view().append_to_edit_box(Control::多行编辑框, "y");
    window.view().set_control_text(Control::多行域名编辑框, "z");
    window.view().set_control_text(Control::延时组合框, "2500");  // raises no pick
    EXPECT_EQ(pr.count(), 1);
    EXPECT_EQ(report.count(), 1);
    EXPECT_EQ(list.count(), 1);
    EXPECT_EQ(picked.count(), 0);
}

TEST_F(MainWindowTest, PickingADelayIsRaisedAfterThePickTypingIsNot) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto* delay = find<QComboBox>("延时组合框");
    std::vector<Text> seen;
    QObject::connect(&window, &MainWindow::delayPicked,
                     [&] { seen.push_back(text_of(Control::延时组合框)); });
    delay->setFocus();
    QTest::keyClicks(delay, "2500");
    EXPECT_TRUE(seen.empty());

    delay->showPopup();
    QAbstractItemView* list = delay->view();
    ASSERT_TRUE(QTest::qWaitFor([&] { return list->isVisible(); }));
    list->scrollTo(list->model()->index(9, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(list->model()->index(9, 0)).center());
    EXPECT_EQ(seen, std::vector<Text>{"10000"});
}

TEST_F(MainWindowTest, EachKeyInTheDomainBoxShowsTheDomainChangedStatus) {
    window.show();
    auto* domain = find<QLineEdit>("域名编辑框");
    domain->setFocus();
    domain->end(false);
    const Text changed = gbk("单行域名被修改");
    for (const Qt::Key key : {Qt::Key_A, Qt::Key_Backspace, Qt::Key_Period, Qt::Key_Home}) {
        window.view().set_control_text(Control::状态框, "");
        QTest::keyClick(domain, key);
        // Home moves the caret only: no change, no status.
        EXPECT_EQ(text_of(Control::状态框), key == Qt::Key_Home ? "" : changed) << key;
    }
}

struct CopyCase {
    const char* box_name;
    Control box;
    std::string text;  // GBK
};

void PrintTo(const CopyCase& c, std::ostream* out) {
    *out << c.box_name;
}

class CopyOnDoubleClick : public MainWindowTest, public ::testing::WithParamInterface<CopyCase> {};

TEST_P(CopyOnDoubleClick, PutsTheBoxTextOnTheClipboardAndSaysSo) {
    const CopyCase& c = GetParam();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.view().set_control_text(c.box, c.text);
    QGuiApplication::clipboard()->setText(QStringLiteral("earlier"));
    auto* box = find<GbkEditBox>(c.box_name);
    QTest::mouseDClick(box->viewport(), Qt::LeftButton, {}, QPoint(20, 5));

    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(testing::gbk(data->text().toStdString()), c.text);
    const auto shown = boxes.all();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, gbk("复制成功！"));
    EXPECT_EQ(shown[0].title, gbk("复制成功提示 "));
    EXPECT_EQ(shown[0].style, 0);
    EXPECT_TRUE(shown[0].from_ui_thread);
}

INSTANTIATE_TEST_SUITE_P(Boxes, CopyOnDoubleClick,
                         ::testing::Values(CopyCase{"pr编辑框", Control::pr编辑框, ""},
                                           CopyCase{"pr编辑框", Control::pr编辑框,
                                                    gbk(" PR：5\r\n 百度权重：4\r\n")},
                                           CopyCase{"多行域名编辑框", Control::多行域名编辑框,
                                                    gbk("甲.com\r\nb.net\r\n\r\nc.org")}),
                         [](const ::testing::TestParamInfo<CopyCase>& param) {
                             return "case" + std::to_string(param.index);
                         });

// A view whose clipboard refuses the text, for the message that says so.
struct RefusingClipboard : ViewOperations {
    Text read_control_text(Control) override { return "a.com"; }
    void set_control_text(Control, const Text&) override {}
    void append_to_edit_box(Control, const Text&) override {}
    int show_message_box(const Text& text, int, const Text& title) override {
        shown.emplace_back(text, title);
        return 0;
    }
    bool set_clipboard_text(const Text&) override { return false; }
    bool add_tooltip(Control, const Text&, int) override { return false; }
    void open_web_page(const Text&) override {}
    std::vector<std::pair<Text, Text>> shown;
};

TEST(CopyOnDoubleClickHandler, AClipboardThatRefusesTheTextIsReportedAsAFailure) {
    RefusingClipboard view;
    copy_on_double_click(view, Control::pr编辑框);
    ASSERT_EQ(view.shown.size(), 1u);
    EXPECT_EQ(view.shown[0].first, gbk("复制失败！"));
    EXPECT_EQ(view.shown[0].second, gbk("复制失败提示 "));
}

}  // namespace
}  // namespace zerlith
