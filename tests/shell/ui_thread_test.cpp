#include "shell/ui_thread.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <memory>
#include <thread>
#include <utility>
#include <vector>

namespace zerlith {
namespace {

// Generous: only a hang should ever reach it.
constexpr int kHangMs = 30000;

// Waits for the worker while the user-interface thread keeps serving it.
void join_serving(std::thread& worker, const std::atomic<bool>& done) {
    EXPECT_TRUE(QTest::qWaitFor([&] { return done.load(); }, kHangMs));
    worker.join();
}

TEST(UiThreadTest, OnTheUiThreadAnOperationRunsAtOnceNestedInTheCaller) {
    UiThread ui;
    for (const bool closed : {false, true}) {
        if (closed)
            ui.close();
        int order = 0;
        int ran_at = -1;
        EXPECT_TRUE(ui.run([&] { ran_at = order++; }));
        EXPECT_EQ(ran_at, 0) << "closed: " << closed;
        EXPECT_EQ(ui.call([] { return 42; }), 42);
    }
}

TEST(UiThreadTest, AWorkersOperationRunsOnTheUiThreadAndTheWorkerWaitsForIt) {
    UiThread ui;
    QThread* const ui_thread = QThread::currentThread();
    std::atomic<bool> done{false};
    bool ran_on_ui = false;
    bool worker_saw_effect = false;
    std::optional<int> answer;
    std::thread worker([&] {
        int effect = 0;
        const bool ran = ui.run([&] {
            ran_on_ui = QThread::currentThread() == ui_thread;
            effect = 7;
        });
        worker_saw_effect = ran && effect == 7;
        answer = ui.call([] { return 5; });
        done = true;
    });
    join_serving(worker, done);
    EXPECT_TRUE(ran_on_ui);
    EXPECT_TRUE(worker_saw_effect);
    EXPECT_EQ(answer, 5);
}

TEST(UiThreadTest, ManyWorkersAtOnceLoseNothingAndEachKeepsItsOrder) {
    constexpr int kWorkers = 6;
    constexpr int kOperations = 200;
    UiThread ui;
    std::vector<std::pair<int, int>> log;  // touched on the user-interface thread only
    std::atomic<int> finished{0};
    std::vector<std::thread> workers;
    for (int w = 0; w < kWorkers; ++w)
        workers.emplace_back([&, w] {
            for (int i = 0; i < kOperations; ++i)
                ui.run([&log, w, i] { log.emplace_back(w, i); });
            ++finished;
        });
    EXPECT_TRUE(QTest::qWaitFor([&] { return finished.load() == kWorkers; }, kHangMs));
    for (std::thread& worker : workers)
        worker.join();

    ASSERT_EQ(log.size(), static_cast<std::size_t>(kWorkers * kOperations));
    std::vector<int> next(kWorkers, 0);
    for (const auto& [w, i] : log) {
        EXPECT_EQ(i, next[static_cast<std::size_t>(w)]) << "worker " << w;
        next[static_cast<std::size_t>(w)] = i + 1;
    }
}

TEST(UiThreadTest, WorkersAreServedWhileTheUiThreadShowsAModalMessageBox) {
    constexpr int kOperations = 20;
    UiThread ui;
    std::atomic<bool> done{false};
    int ran_behind_box = 0;
    std::thread worker([&] {
        for (int i = 0; i < kOperations; ++i)
            ui.run([&] {
                if (qobject_cast<QMessageBox*>(QApplication::activeModalWidget()) != nullptr)
                    ++ran_behind_box;
            });
        done = true;
    });

    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("t"), QStringLiteral("x"), QMessageBox::Ok);
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, &box, [&] {
        if (done)
            box.done(0);
    });
    watcher.start(1);
    // The worker cannot finish unless the box's own event loop serves it.
    box.exec();
    worker.join();
    EXPECT_EQ(ran_behind_box, kOperations);
}

TEST(UiThreadTest, AfterCloseWaitingAndLaterOperationsOfWorkersNeverRun) {
    auto ui = std::make_unique<UiThread>();
    std::atomic<bool> queued_ran{false};
    std::atomic<bool> later_ran{false};
    std::atomic<int> outcome{-1};
    std::atomic<bool> about_to_queue{false};

    std::thread waiting([&] {
        about_to_queue = true;
        outcome = ui->run([&] { queued_ran = true; }) ? 1 : 0;
    });
    // The user-interface thread serves nothing while it spins here, so the operation stays
    // queued until close() drops it; events posted meanwhile go with the object.
    while (!about_to_queue)
        std::this_thread::yield();
    QTest::qSleep(20);
    ui->close();
    waiting.join();
    EXPECT_EQ(outcome.load(), 0);

    std::optional<int> later_answer{1};
    std::thread later([&] {
        outcome = ui->run([&] { later_ran = true; }) ? 1 : 0;
        later_answer = ui->call([] { return 3; });
    });
    later.join();  // returns without the user-interface thread serving it
    ui.reset();
    QCoreApplication::processEvents();
    EXPECT_EQ(outcome.load(), 0);
    EXPECT_FALSE(later_answer.has_value());
    EXPECT_FALSE(queued_ran);
    EXPECT_FALSE(later_ran);
}

}  // namespace
}  // namespace zerlith
