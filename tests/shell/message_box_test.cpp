#include "shell/message_box.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <atomic>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "lookups/gbk_conversion.h"
#include "shell/screen_text.h"
#include "shell/ui_thread.h"

namespace zerlith {
namespace {

constexpr int kHangMs = 30000;

std::vector<QMessageBox*> visible_boxes() {
    std::vector<QMessageBox*> boxes;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(widget); box != nullptr && box->isVisible())
            boxes.push_back(box);
    return boxes;
}

// A window standing in for the main window: counts the clicks that reach its button.
struct MainWindowStandIn {
    QWidget window;
    QPushButton* button = new QPushButton(QStringLiteral("b"), &window);
    int clicks = 0;

    MainWindowStandIn() {
        QObject::connect(button, &QPushButton::clicked, [this] { ++clicks; });
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    // A click given to the window as the window system would, where modal blocking applies.
    bool click_gets_through() {
        const int before = clicks;
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {},
                          button->mapTo(&window, button->rect().center()));
        QCoreApplication::processEvents();
        return clicks == before + 1;
    }
};

struct Dismissal {
    const char* name;
    std::function<void(QMessageBox*)> dismiss;
};

class MessageBoxFromUiThreadTest : public testing::TestWithParam<Dismissal> {};

TEST_P(MessageBoxFromUiThreadTest, IsModalOwnedByNoWindowAndGivesZero) {
    UiThread ui;
    MainWindowStandIn main_window;
    const Text text = system_text("复制成功！");
    const Text title = system_text("复制成功提示 ");

    bool looked = false;
    bool main_window_blocked = false;
    QString shown_text;
    QString shown_title;
    QMessageBox::Icon icon = QMessageBox::Information;
    qsizetype buttons = 0;
    QWidget* owner = &main_window.window;
    QTimer::singleShot(0, [&] {
        if (!QTest::qWaitFor([] { return !visible_boxes().empty(); }, kHangMs))
            return;
        QMessageBox* box = visible_boxes().front();
        looked = true;
        shown_text = box->text();
        shown_title = box->windowTitle();
        icon = box->icon();
        buttons = box->buttons().size();
        owner = box->parentWidget();
        main_window_blocked = !main_window.click_gets_through();
        GetParam().dismiss(box);
    });
    EXPECT_EQ(show_message_box(ui, text, 0, title), 0);

    ASSERT_TRUE(looked);
    EXPECT_EQ(shown_text, gbk_to_screen(text));
    EXPECT_EQ(shown_title, gbk_to_screen(title));
    EXPECT_EQ(icon, QMessageBox::NoIcon);
    EXPECT_EQ(buttons, 1);
    EXPECT_EQ(owner, nullptr);
    EXPECT_TRUE(main_window_blocked);
    EXPECT_TRUE(main_window.click_gets_through()) << "the main window is usable again";
}

INSTANTIATE_TEST_SUITE_P(
    Dismissals, MessageBoxFromUiThreadTest,
    testing::Values(Dismissal{"OkButton",
                              [](QMessageBox* box) {
                                  QTest::mouseClick(box->buttons().front(), Qt::LeftButton);
                              }},
                    Dismissal{"EscapeKey",
                              [](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); }},
                    Dismissal{"CloseButton", [](QMessageBox* box) { box->close(); }}),
    [](const testing::TestParamInfo<Dismissal>& param) { return std::string(param.param.name); });

TEST(MessageBoxFromWorkerTest, HoldsUpOnlyItsWorkerAndSeveralCanBeUpAtOnce) {
    UiThread ui;
    MainWindowStandIn main_window;
    const Text titles[] = {system_text("一"), system_text("二")};
    std::atomic<int> answers[] = {-2, -2};
    std::vector<std::thread> workers;
    for (int i = 0; i < 2; ++i)
        workers.emplace_back(
            [&, i] { answers[i] = show_message_box(ui, system_text("正文"), 0, titles[i]); });

    ASSERT_TRUE(QTest::qWaitFor([] { return visible_boxes().size() == 2; }, kHangMs));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(main_window.click_gets_through());
    for (QMessageBox* box : visible_boxes()) {
        EXPECT_EQ(box->parentWidget(), nullptr);
        EXPECT_FALSE(box->isModal());
    }

    // Dismissing the first worker's box frees that worker only.
    auto box_titled = [](const Text& title) -> QMessageBox* {
        for (QMessageBox* box : visible_boxes())
            if (box->windowTitle() == gbk_to_screen(title))
                return box;
        return nullptr;
    };
    QMessageBox* first = box_titled(titles[0]);
    ASSERT_NE(first, nullptr);
    QTest::keyClick(first, Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([&] { return answers[0] == 0; }, kHangMs));
    QCoreApplication::processEvents();
    EXPECT_EQ(answers[1], -2);
    ASSERT_EQ(visible_boxes().size(), 1u);

    QMessageBox* second = box_titled(titles[1]);
    ASSERT_NE(second, nullptr);
    QTest::mouseClick(second->buttons().front(), Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return answers[1] == 0; }, kHangMs));
    for (std::thread& worker : workers)
        worker.join();
}

TEST(MessageBoxFromWorkerTest, AfterTheHandOverIsClosedNothingIsShown) {
    UiThread ui;
    ui.close();
    int answer = -2;
    std::thread worker([&] { answer = show_message_box(ui, "x", 0, "y"); });
    worker.join();
    QCoreApplication::processEvents();
    EXPECT_EQ(answer, -1);
    EXPECT_TRUE(visible_boxes().empty());
}

TEST(MessageBoxHookTest, RecordsEveryRequestAndAnswersAtOnceOnAnyThread) {
    UiThread ui;
    std::mutex mutex;
    std::vector<MessageBoxRequest> seen;
    set_message_box_hook([&](const MessageBoxRequest& request) {
        const std::lock_guard lock(mutex);
        seen.push_back(request);
        return 0;
    });
    EXPECT_EQ(show_message_box(ui, "from ui", 0, "t1"), 0);
    std::thread worker([&] { EXPECT_EQ(show_message_box(ui, "from worker", 0, "t2"), 0); });
    worker.join();  // no box and no hand-over: the worker is answered without the UI
    set_message_box_hook({});

    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].text, "from ui");
    EXPECT_EQ(seen[0].title, "t1");
    EXPECT_TRUE(seen[0].from_ui_thread);
    EXPECT_EQ(seen[1].text, "from worker");
    EXPECT_EQ(seen[1].title, "t2");
    EXPECT_FALSE(seen[1].from_ui_thread);
    EXPECT_TRUE(visible_boxes().empty());
}

}  // namespace
}  // namespace zerlith
