#pragma once
// 气球提示框: the balloon tooltip component. Invisible itself, it holds one plain-text tip
// per control and shows it in a balloon by the pointer once the pointer has rested on the
// control for 600 ms; the balloon goes again after 3000 ms, without fading. A click, a key
// or the wheel takes it away as well. Once gone it comes back only after the pointer has
// left the control and entered it again.

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <chrono>
#include <map>
#include <memory>

#include "lookups/text.h"
#include "shell/tip_timer.h"

class QLabel;

namespace zerlith {

class BalloonTooltip : public QObject {
    Q_OBJECT

  public:
    static constexpr std::chrono::milliseconds kRestBeforeShowing{600};
    static constexpr std::chrono::milliseconds kShownFor{3000};
    static constexpr int kNoIcon = -1;

    explicit BalloonTooltip(QObject* parent = nullptr, TipTimerFactory timers = qt_tip_timers());
    ~BalloonTooltip() override;

    // Gives the control a tip covering the whole control, replacing any earlier tip of that
    // control. Only kNoIcon is supported; another icon number, or no control, adds nothing
    // and gives false.
    bool add_tip(QWidget* control, const Text& tip, int icon);

    bool is_showing() const;
    // The text in the balloon as shown, empty while it is not shown.
    QString shown_text() const;
    QWidget* balloon() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    enum class State { Away, Resting, Shown, Spent };

    void watch(QWidget* control, QWidget* widget);
    void forget_control(QObject* control);
    void pointer_entered(QWidget* control, QPoint global);
    void pointer_moved(QWidget* control, QPoint global);
    void pointer_left(QWidget* control);
    void dismiss();
    void show_balloon();
    void reset();

    std::map<QWidget*, QString> tips_;
    std::map<QObject*, QWidget*> watched_;  // the control or one of its children -> control
    QPointer<QWidget> current_;
    State state_ = State::Away;
    QPoint pointer_;
    std::unique_ptr<TipTimer> rest_timer_;
    std::unique_ptr<TipTimer> shown_timer_;
    std::unique_ptr<QLabel> balloon_;
};

}  // namespace zerlith
