#include "shell/balloon_tooltip.h"

#include <QEnterEvent>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QToolTip>

#include <utility>

#include "shell/screen_text.h"

namespace zerlith {

namespace {

// Where the balloon sits relative to the pointer: below it, clear of the cursor image.
constexpr QPoint kOffsetFromPointer{2, 20};

QLabel* make_balloon() {
    auto* balloon = new QLabel(nullptr, Qt::ToolTip | Qt::FramelessWindowHint);
    balloon->setObjectName(QStringLiteral("balloon"));
    balloon->setTextFormat(Qt::PlainText);
    balloon->setPalette(QToolTip::palette());
    balloon->setFont(QToolTip::font());
    balloon->setAutoFillBackground(true);
    balloon->setFrameStyle(QFrame::Box | QFrame::Plain);
    balloon->setMargin(4);
    return balloon;
}

QString shown_form(const Text& tip) {
    QString text = gbk_to_screen(tip);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

}  // namespace

BalloonTooltip::BalloonTooltip(QObject* parent, TipTimerFactory timers)
    : QObject(parent), rest_timer_(timers()), shown_timer_(timers()), balloon_(make_balloon()) {
    setObjectName(QStringLiteral("气球提示框"));
}

BalloonTooltip::~BalloonTooltip() = default;

bool BalloonTooltip::add_tip(QWidget* control, const Text& tip, int icon) {
    if (control == nullptr || icon != kNoIcon)
        return false;
    const bool known = tips_.contains(control);
    tips_[control] = shown_form(tip);
    if (!known) {
        watch(control, control);
        for (QWidget* child : control->findChildren<QWidget*>())
            watch(control, child);
        connect(control, &QObject::destroyed, this, &BalloonTooltip::forget_control);
    }
    if (state_ == State::Shown && current_ == control)
        balloon_->setText(tips_[control]);
    return true;
}

bool BalloonTooltip::is_showing() const {
    return balloon_->isVisible();
}

QString BalloonTooltip::shown_text() const {
    return is_showing() ? balloon_->text() : QString();
}

QWidget* BalloonTooltip::balloon() const {
    return balloon_.get();
}

void BalloonTooltip::watch(QWidget* control, QWidget* widget) {
    watched_[widget] = control;
    // A resting pointer is only seen through moves without a button pressed.
    widget->setMouseTracking(true);
    widget->installEventFilter(this);
    if (widget != control)
        connect(widget, &QObject::destroyed, this, [this](QObject* gone) { watched_.erase(gone); });
}

void BalloonTooltip::forget_control(QObject* control) {
    if (current_ == nullptr || current_ == control)
        reset();
    for (auto it = watched_.begin(); it != watched_.end();) {
        if (it->second == control)
            it = watched_.erase(it);
        else
            ++it;
    }
    // The key is only compared, never followed: the control is being destroyed.
    tips_.erase(static_cast<QWidget*>(control));
}

bool BalloonTooltip::eventFilter(QObject* watched, QEvent* event) {
    const auto found = watched_.find(watched);
    if (found == watched_.end())
        return false;
    QWidget* control = found->second;
    switch (event->type()) {
        case QEvent::Enter:
            // Entering a child from outside enters the control too; only that one counts.
            if (watched == control)
                pointer_entered(control,
                                static_cast<QEnterEvent*>(event)->globalPosition().toPoint());
            break;
        case QEvent::MouseMove:
            pointer_moved(control, static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
            break;
        case QEvent::Leave:
            if (watched == control)
                pointer_left(control);
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::KeyPress:
            if (current_ == control)
                dismiss();
            break;
        case QEvent::Hide:
            if (watched == control && current_ == control)
                reset();
            break;
        default:
            break;
    }
    return false;
}

void BalloonTooltip::pointer_entered(QWidget* control, QPoint global) {
    reset();
    current_ = control;
    state_ = State::Resting;
    pointer_ = global;
    rest_timer_->start(kRestBeforeShowing, [this] { show_balloon(); });
}

void BalloonTooltip::pointer_moved(QWidget* control, QPoint global) {
    if (current_ != control) {
        pointer_entered(control, global);
        return;
    }
    if (state_ != State::Resting)
        return;
    pointer_ = global;
    rest_timer_->start(kRestBeforeShowing, [this] { show_balloon(); });
}

void BalloonTooltip::pointer_left(QWidget* control) {
    if (current_ == control)
        reset();
}

void BalloonTooltip::dismiss() {
    rest_timer_->stop();
    shown_timer_->stop();
    balloon_->hide();
    state_ = State::Spent;
}

void BalloonTooltip::show_balloon() {
    const auto tip = tips_.find(current_.data());
    if (current_ == nullptr || tip == tips_.end()) {
        reset();
        return;
    }
    balloon_->setText(tip->second);
    balloon_->adjustSize();
    QPoint place = pointer_ + kOffsetFromPointer;
    if (const QScreen* screen = QGuiApplication::screenAt(pointer_)) {
        const QRect room = screen->availableGeometry();
        place.setX(qBound(room.left(), place.x(), room.right() - balloon_->width()));
        place.setY(qBound(room.top(), place.y(), room.bottom() - balloon_->height()));
    }
    balloon_->move(place);
    balloon_->show();
    state_ = State::Shown;
    shown_timer_->start(kShownFor, [this] { dismiss(); });
}

void BalloonTooltip::reset() {
    rest_timer_->stop();
    shown_timer_->stop();
    balloon_->hide();
    current_ = nullptr;
    state_ = State::Away;
}

}  // namespace zerlith
