#include "shell/balloon_tooltip.h"

#include <gtest/gtest.h>

#include <QEnterEvent>
#include <QFontMetrics>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTest>
#include <QWidget>

#include <chrono>
#include <memory>
#include <vector>

#include "lookups/gbk_conversion.h"
#include "shell/screen_text.h"

namespace zerlith {
namespace {

using std::chrono::milliseconds;

// Timers run by hand: the test decides when one expires.
struct ManualTimer final : TipTimer {
    bool running = false;
    milliseconds interval{0};
    int starts = 0;
    std::function<void()> then;

    void start(milliseconds after, std::function<void()> callback) override {
        running = true;
        interval = after;
        then = std::move(callback);
        ++starts;
    }
    void stop() override { running = false; }
    void expire() {
        ASSERT_TRUE(running);
        running = false;
        then();
    }
};

struct TooltipFixture : testing::Test {
    std::vector<ManualTimer*> timers;  // owned by the component: rest first, then shown
    std::unique_ptr<BalloonTooltip> tips;
    QWidget window;
    QLineEdit* box = new QLineEdit(&window);
    QLineEdit* other = new QLineEdit(&window);

    TooltipFixture() {
        tips = std::make_unique<BalloonTooltip>(nullptr, [this] {
            auto timer = std::make_unique<ManualTimer>();
            timers.push_back(timer.get());
            return timer;
        });
        other->move(0, 40);
        window.resize(200, 100);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    ManualTimer& rest() { return *timers.at(0); }
    ManualTimer& shown() { return *timers.at(1); }

    static void enter(QWidget* widget) {
        QEnterEvent event(QPointF(1, 1), QPointF(1, 1), widget->mapToGlobal(QPointF(1, 1)));
        QCoreApplication::sendEvent(widget, &event);
    }
    static void move(QWidget* widget, QPoint at = {2, 2}) {
        QMouseEvent event(QEvent::MouseMove, QPointF(at), widget->mapToGlobal(QPointF(at)),
                          Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &event);
    }
    static void leave(QWidget* widget) {
        QEvent event(QEvent::Leave);
        QCoreApplication::sendEvent(widget, &event);
    }
    static void press(QWidget* widget) {
        QMouseEvent event(QEvent::MouseButtonPress, QPointF(2, 2),
                          widget->mapToGlobal(QPointF(2, 2)), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &event);
    }
};

TEST_F(TooltipFixture, ShowsAfterRestingAndHidesAfterBeingShown) {
    ASSERT_TRUE(tips->add_tip(box, system_text("单行域名"), BalloonTooltip::kNoIcon));
    enter(box);
    EXPECT_TRUE(rest().running);
    EXPECT_EQ(rest().interval, milliseconds(600));
    EXPECT_FALSE(tips->is_showing());

    rest().expire();
    EXPECT_TRUE(tips->is_showing());
    EXPECT_EQ(tips->shown_text(), QStringLiteral(u"单行域名"));
    EXPECT_TRUE(shown().running);
    EXPECT_EQ(shown().interval, milliseconds(3000));

    shown().expire();
    EXPECT_FALSE(tips->is_showing());
}

TEST_F(TooltipFixture, EveryMoveWhileRestingStartsTheRestAgain) {
    tips->add_tip(box, "tip", BalloonTooltip::kNoIcon);
    enter(box);
    const int starts = rest().starts;
    move(box, {3, 3});
    move(box, {4, 4});
    EXPECT_EQ(rest().starts, starts + 2);
    EXPECT_FALSE(tips->is_showing());
}

TEST_F(TooltipFixture, OnceGoneItComesBackOnlyAfterThePointerLeftAndEnteredAgain) {
    tips->add_tip(box, "tip", BalloonTooltip::kNoIcon);
    enter(box);
    rest().expire();
    shown().expire();
    move(box, {5, 5});
    EXPECT_FALSE(rest().running);

    leave(box);
    enter(box);
    EXPECT_TRUE(rest().running);
    rest().expire();
    EXPECT_TRUE(tips->is_showing());
}

struct Interruption {
    const char* name;
    void (*interrupt)(QWidget*);
};

class TooltipInterruptionTest : public TooltipFixture,
                                public testing::WithParamInterface<Interruption> {};

TEST_P(TooltipInterruptionTest, TakesTheBalloonAwayAndStopsTheTimers) {
    tips->add_tip(box, "tip", BalloonTooltip::kNoIcon);
    for (const bool while_shown : {false, true}) {
        box->show();
        leave(box);
        enter(box);
        if (while_shown)
            rest().expire();
        GetParam().interrupt(box);
        EXPECT_FALSE(tips->is_showing()) << "while shown: " << while_shown;
        EXPECT_FALSE(rest().running);
        EXPECT_FALSE(shown().running);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Interruptions, TooltipInterruptionTest,
    testing::Values(Interruption{"Leave", [](QWidget* w) { TooltipFixture::leave(w); }},
                    Interruption{"Click", [](QWidget* w) { TooltipFixture::press(w); }},
                    Interruption{"Key", [](QWidget* w) { QTest::keyClick(w, Qt::Key_A); }},
                    Interruption{"Hide", [](QWidget* w) { w->hide(); }}),
    [](const testing::TestParamInfo<Interruption>& param) {
        return std::string(param.param.name);
    });

TEST_F(TooltipFixture, ASecondTipForTheSameControlReplacesTheFirst) {
    tips->add_tip(box, "first", BalloonTooltip::kNoIcon);
    tips->add_tip(other, "other", BalloonTooltip::kNoIcon);
    tips->add_tip(box, "second", BalloonTooltip::kNoIcon);
    enter(box);
    rest().expire();
    EXPECT_EQ(tips->shown_text(), QStringLiteral("second"));

    tips->add_tip(box, "third", BalloonTooltip::kNoIcon);
    EXPECT_EQ(tips->shown_text(), QStringLiteral("third"));

    leave(box);
    enter(other);
    rest().expire();
    EXPECT_EQ(tips->shown_text(), QStringLiteral("other"));
}

TEST_F(TooltipFixture, AControlWithoutATipShowsNothing) {
    tips->add_tip(other, "other", BalloonTooltip::kNoIcon);
    enter(box);
    EXPECT_FALSE(rest().running);
}

TEST_F(TooltipFixture, RefusesAnIconAndAMissingControl) {
    EXPECT_FALSE(tips->add_tip(box, "tip", 1));
    EXPECT_FALSE(tips->add_tip(nullptr, "tip", BalloonTooltip::kNoIcon));
    enter(box);
    EXPECT_FALSE(rest().running);
}

TEST_F(TooltipFixture, TheTipIsPlainTextAndItsLineBreaksAreShown) {
    tips->add_tip(box, "<b>bold</b>\r\nnext", BalloonTooltip::kNoIcon);
    enter(box);
    rest().expire();
    EXPECT_EQ(tips->shown_text(), QStringLiteral("<b>bold</b>\nnext"));
    // Laid out as typed: the tags take room and the text takes two lines.
    const QFontMetrics metrics(tips->balloon()->font());
    EXPECT_GE(tips->balloon()->sizeHint().width(),
              metrics.horizontalAdvance(QStringLiteral("<b>bold</b>")));
    EXPECT_GE(tips->balloon()->sizeHint().height(), 2 * metrics.height());
}

TEST_F(TooltipFixture, MovesOverAChildOfTheControlCount) {
    auto* multi_line = new QPlainTextEdit(&window);
    tips->add_tip(multi_line, "multi", BalloonTooltip::kNoIcon);
    enter(multi_line);
    const int starts = rest().starts;
    move(multi_line->viewport());
    EXPECT_EQ(rest().starts, starts + 1);
    leave(multi_line->viewport());  // still over the control's frame
    EXPECT_TRUE(rest().running);
}

TEST_F(TooltipFixture, AControlDestroyedWhileItsTipIsShownTakesTheBalloonAlong) {
    tips->add_tip(box, "tip", BalloonTooltip::kNoIcon);
    enter(box);
    rest().expire();
    delete box;
    box = nullptr;
    EXPECT_FALSE(tips->is_showing());
    EXPECT_FALSE(shown().running);
}

TEST_F(TooltipFixture, RealPointerMovesOverAShownWindowStartTheRest) {
    tips->add_tip(box, "tip", BalloonTooltip::kNoIcon);
    QTest::mouseMove(window.windowHandle(), QPoint(150, 90));
    QTest::mouseMove(window.windowHandle(), box->geometry().center());
    EXPECT_TRUE(QTest::qWaitFor([&] { return rest().running; }, 5000));
    rest().expire();
    EXPECT_TRUE(tips->is_showing());
    QTest::mouseMove(window.windowHandle(), QPoint(150, 90));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !tips->is_showing(); }, 5000));
}

TEST(QtTipTimersTest, FireOnceAndARestartReplacesTheEarlierStart) {
    const auto timer = qt_tip_timers()();
    int first = 0;
    int second = 0;
    timer->start(milliseconds(1), [&] { ++first; });
    timer->start(milliseconds(1), [&] { ++second; });
    EXPECT_TRUE(QTest::qWaitFor([&] { return second > 0; }, 5000));
    QTest::qWait(20);
    EXPECT_EQ(first, 0);
    EXPECT_EQ(second, 1);
}

}  // namespace
}  // namespace zerlith
