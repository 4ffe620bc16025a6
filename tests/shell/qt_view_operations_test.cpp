#include "shell/qt_view_operations.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include <atomic>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "lookups/gbk_conversion.h"
#include "shell/balloon_tooltip.h"
#include "shell/gbk_edit_box.h"
#include "shell/registered_multi_line_boxes.h"
#include "shell/single_line_edit_box.h"
#include "shell/ui_thread.h"

namespace zerlith {
namespace {

constexpr int kHangMs = 30000;

struct WindowFixture : testing::Test {
    UiThread ui;
    QWidget window;
    SingleLineEditBox* status = new SingleLineEditBox(&window);
    SingleLineEditBox* domain = new SingleLineEditBox(&window);
    GbkEditBox* report = new GbkEditBox(&window);
    GbkEditBox* pr_box = new GbkEditBox(&window);
    QComboBox* delay = new QComboBox(&window);
    BalloonTooltip tips;
    ControlRegistry controls;
    RegisteredMultiLineBoxes multi_line{controls};
    QtViewOperations view{ui, controls, tips, &multi_line};
    // Text-changed handlers run, per box, counted on the user-interface thread.
    std::map<Control, int> handled;

    WindowFixture() {
        controls.add(Control::状态框, status);
        controls.add(Control::域名编辑框, domain);
        controls.add(Control::多行编辑框, report);
        controls.add(Control::pr编辑框, pr_box);
        controls.add(Control::延时组合框, delay);
        delay->setEditable(true);
        for (int ms = 1000; ms <= 10000; ms += 1000)
            delay->addItem(QString::number(ms));
        delay->setCurrentIndex(-1);
        QObject::connect(status, &SingleLineEditBox::changed,
                         [this] { ++handled[Control::状态框]; });
        QObject::connect(domain, &SingleLineEditBox::changed,
                         [this] { ++handled[Control::域名编辑框]; });
        QObject::connect(report, &GbkEditBox::textChanged,
                         [this] { ++handled[Control::多行编辑框]; });
        QObject::connect(pr_box, &GbkEditBox::textChanged,
                         [this] { ++handled[Control::pr编辑框]; });
    }

    // Runs the body on a worker while the user-interface thread serves it.
    template <typename Body>
    void on_worker(Body body) {
        std::atomic<bool> done{false};
        std::thread worker([&] {
            body();
            done = true;
        });
        EXPECT_TRUE(QTest::qWaitFor([&] { return done.load(); }, kHangMs));
        worker.join();
    }
};

class EditBoxSetTest : public WindowFixture, public testing::WithParamInterface<Control> {};

TEST_P(EditBoxSetTest, EverySetRaisesTextChangedOnceHandledBeforeItReturns) {
    const Control box = GetParam();
    const Text text = system_text("单行域名被修改");
    view.set_control_text(box, text);
    EXPECT_EQ(handled[box], 1);
    view.set_control_text(box, text);  // the same text again
    EXPECT_EQ(handled[box], 2);
    EXPECT_EQ(view.read_control_text(box), text);

    std::vector<int> seen_after_each_set;
    on_worker([&] {
        for (int i = 0; i < 3; ++i) {
            view.set_control_text(box, text);
            seen_after_each_set.push_back(handled.at(box));
        }
        EXPECT_EQ(view.read_control_text(box), text);
    });
    EXPECT_EQ(seen_after_each_set, (std::vector<int>{3, 4, 5}));
}

TEST_P(EditBoxSetTest, AnAppendRaisesTextChangedOnceAndGoesAtTheEnd) {
    const Control box = GetParam();
    view.set_control_text(box, "ab");
    on_worker([&] { view.append_to_edit_box(box, system_text("甲\r\n")); });
    EXPECT_EQ(view.read_control_text(box), system_text("ab甲\r\n"));
    EXPECT_EQ(handled[box], 2);
}

INSTANTIATE_TEST_SUITE_P(Boxes, EditBoxSetTest,
                         testing::Values(Control::状态框, Control::域名编辑框, Control::多行编辑框,
                                         Control::pr编辑框),
                         [](const testing::TestParamInfo<Control>& param) {
                             return std::to_string(static_cast<int>(param.param));
                         });

TEST_F(WindowFixture, SettingTheComboBoxChangesOnlyItsEditFieldAndRaisesNoPick) {
    QSignalSpy picks(delay, &QComboBox::activated);
    delay->setCurrentIndex(2);
    on_worker([&] { view.set_control_text(Control::延时组合框, "2500"); });
    EXPECT_EQ(delay->currentText(), QStringLiteral("2500"));
    EXPECT_EQ(delay->currentIndex(), 2);
    EXPECT_EQ(delay->count(), 10);
    EXPECT_EQ(picks.count(), 0);
    EXPECT_EQ(view.read_control_text(Control::延时组合框), "2500");
}

TEST_F(WindowFixture, ControlsWithoutTextReadEmptyAndTakeNothing) {
    view.append_to_edit_box(Control::延时组合框, "x");
    EXPECT_EQ(view.read_control_text(Control::延时组合框), "");
    view.set_control_text(Control::标签, "x");
    EXPECT_EQ(view.read_control_text(Control::标签), "");
}

TEST_F(WindowFixture, WorkersAppendingAtOnceLoseNothingAndKeepTheirOrder) {
    constexpr int kWorkers = 4;
    constexpr int kLines = 60;
    std::atomic<int> finished{0};
    std::vector<std::thread> workers;
    for (int w = 0; w < kWorkers; ++w)
        workers.emplace_back([&, w] {
            for (int i = 0; i < kLines; ++i) {
                view.append_to_edit_box(Control::多行编辑框,
                                        "w" + std::to_string(w) + " " + std::to_string(i) + "\r\n");
                view.set_control_text(Control::状态框, "line " + std::to_string(i));
            }
            ++finished;
        });
    EXPECT_TRUE(QTest::qWaitFor([&] { return finished.load() == kWorkers; }, kHangMs));
    for (std::thread& worker : workers)
        worker.join();

    const Text all = view.read_control_text(Control::多行编辑框);
    std::vector<int> next(kWorkers, 0);
    std::size_t lines = 0;
    for (std::size_t start = 0; start < all.size();) {
        const std::size_t end = all.find("\r\n", start);
        ASSERT_NE(end, Text::npos);
        int w = -1;
        int i = -1;
        ASSERT_EQ(std::sscanf(all.substr(start, end - start).c_str(), "w%d %d", &w, &i), 2);
        ASSERT_GE(w, 0);
        ASSERT_LT(w, kWorkers);
        EXPECT_EQ(i, next[static_cast<std::size_t>(w)]);
        next[static_cast<std::size_t>(w)] = i + 1;
        ++lines;
        start = end + 2;
    }
    EXPECT_EQ(lines, static_cast<std::size_t>(kWorkers * kLines));
    EXPECT_EQ(handled[Control::多行编辑框], kWorkers * kLines);
    EXPECT_EQ(handled[Control::状态框], kWorkers * kLines);
}

TEST_F(WindowFixture, TooltipsGoToTheRegisteredControls) {
    bool added = false;
    bool with_icon = true;
    bool unknown = true;
    on_worker([&] {
        added = view.add_tooltip(Control::pr编辑框, "tip", BalloonTooltip::kNoIcon);
        with_icon = view.add_tooltip(Control::pr编辑框, "tip", 1);
        unknown = view.add_tooltip(Control::标签, "tip", BalloonTooltip::kNoIcon);
    });
    EXPECT_TRUE(added);
    EXPECT_FALSE(with_icon);
    EXPECT_FALSE(unknown);
}

TEST_F(WindowFixture, AfterShutdownAWorkerStaysInItsOperation) {
    ui.close();
    auto reached = std::make_shared<std::atomic<bool>>(false);
    auto returned = std::make_shared<std::atomic<bool>>(false);
    // Parked for the rest of the process, as a run still going at exit would be.
    std::thread([this, reached, returned] {
        *reached = true;
        view.set_control_text(Control::状态框, "late");
        *returned = true;
    }).detach();
    EXPECT_TRUE(QTest::qWaitFor([&] { return reached->load(); }, kHangMs));
    QTest::qWait(50);
    EXPECT_FALSE(returned->load());
    EXPECT_EQ(status->text(), QString());
    EXPECT_EQ(handled[Control::状态框], 0);
}

}  // namespace
}  // namespace zerlith
