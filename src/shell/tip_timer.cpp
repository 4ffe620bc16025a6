#include "shell/tip_timer.h"

#include <QTimer>

#include <utility>

namespace zerlith {

namespace {

class QtTipTimer final : public TipTimer {
  public:
    QtTipTimer() {
        timer_.setSingleShot(true);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (then_)
                then_();
        });
    }

    void start(std::chrono::milliseconds after, std::function<void()> then) override {
        then_ = std::move(then);
        timer_.start(after);
    }

    void stop() override { timer_.stop(); }

  private:
    QTimer timer_;
    std::function<void()> then_;
};

}  // namespace

TipTimerFactory qt_tip_timers() {
    return [] { return std::make_unique<QtTipTimer>(); };
}

}  // namespace zerlith
