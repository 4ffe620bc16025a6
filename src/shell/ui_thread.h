#pragma once
// Carries operations from any thread over to the user-interface thread.
//
// A worker hands an operation over and waits until the user-interface thread has run it.
// The hand-over is a queue guarded by a std::mutex and drained on the user-interface thread
// whenever Qt wakes it with a queued call (posted, never blocking). Qt's nested event loops
// (a modal message box, a drop-down list) deliver those wake-ups too, so workers' operations
// go on while the user-interface thread sits in a message box. Completion is reported back
// through a std::promise, so every hand-over is visible to the thread sanitizer.
//
// Shutdown: close() stops the hand-over for good. Operations still waiting are dropped and
// their workers are told so; every later call from a worker returns false at once without
// running anything. Whoever calls run() from a worker decides what a worker does after that
// (the view operations park it until the process ends), so nothing ever waits for a worker
// and no worker touches the window after it is gone.

#include <QObject>

#include <concepts>
#include <deque>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <optional>
#include <type_traits>

namespace zerlith {

class UiThread : public QObject {
    Q_OBJECT

  public:
    // The thread that constructs the object is the user-interface thread.
    explicit UiThread(QObject* parent = nullptr);
    ~UiThread() override;

    bool is_current() const;

    // Runs the operation on the user-interface thread and returns once it has run. On the
    // user-interface thread it runs at once, nested in the caller, closed or not. From a
    // worker after close(), or when close() drops it, it never runs and false is returned.
    // The operation must not throw.
    bool run(std::function<void()> operation);

    // Like run(), for an operation with a result: nullopt when it did not run.
    template <std::invocable Operation>
    requires(!std::is_void_v<std::invoke_result_t<Operation&>>)
        std::optional<std::invoke_result_t<Operation&>> call(Operation&& operation) {
        std::optional<std::invoke_result_t<Operation&>> result;
        // The result is written on the user-interface thread before the promise is set and
        // read here after the future is ready, so the promise orders the two.
        run([&] { result.emplace(operation()); });
        return result;
    }

    // Stops the hand-over; see the header comment. Called on the user-interface thread.
    void close();

  private:
    struct Pending {
        std::function<void()> operation;
        std::promise<bool> ran;
    };

    Q_INVOKABLE void drain();

    std::mutex mutex_;
    std::deque<Pending> queue_;
    bool closed_ = false;
};

}  // namespace zerlith
