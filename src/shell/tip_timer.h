#pragma once
// The one-shot timers of the balloon tooltip, behind a seam so tests can run time by hand.

#include <chrono>
#include <functional>
#include <memory>

namespace zerlith {

class TipTimer {
  public:
    virtual ~TipTimer() = default;
    // Calls `then` once, `after` from now, on the thread that started it; starting again
    // forgets the earlier start.
    virtual void start(std::chrono::milliseconds after, std::function<void()> then) = 0;
    virtual void stop() = 0;
};

using TipTimerFactory = std::function<std::unique_ptr<TipTimer>()>;

// Timers that run on the Qt event loop.
TipTimerFactory qt_tip_timers();

}  // namespace zerlith
