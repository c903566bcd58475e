// Gesture recognisers on mouse and touch input, on a manual clock.
#include "platform/ui/Button.h"
#include "platform/foundation/Clock.h"
#include "platform/ui/GestureRecognizers.h"
#include "platform/ui/Label.h"
#include "platform/ui/ScrollView.h"
#include "platform/ui/View.h"

#include <gtest/gtest.h>

#include <QPointingDevice>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {
struct Recorder
{
    QList<GestureRecognizer::State> states;
    QList<QPointF> points;
    void attach(GestureRecognizer *recognizer, QWidget *view)
    {
        QObject::connect(recognizer, &GestureRecognizer::triggered, recognizer, [this, view](GestureRecognizer *r) {
            states << r->state();
            points << r->locationInView(view);
        });
    }
};

class GestureTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Clock::setInstance(&clock);
        window = std::make_unique<View>(QRectF(0, 0, 320, 480));
        target = new View(QRectF(20, 20, 200, 200), window.get());
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    void TearDown() override { Clock::setInstance(nullptr); }

    void press(QWidget *w, QPoint p) { QTest::mousePress(w, Qt::LeftButton, {}, p); }
    void move(QWidget *w, QPoint p)
    {
        QMouseEvent event(QEvent::MouseMove, QPointF(p), w->mapToGlobal(QPointF(p)), Qt::NoButton, Qt::LeftButton,
                          Qt::NoModifier);
        event.setTimestamp(++timestamp);
        QApplication::sendEvent(w, &event);
    }
    void release(QWidget *w, QPoint p) { QTest::mouseRelease(w, Qt::LeftButton, {}, p); }

    std::unique_ptr<View> window;
    View *target = nullptr;
    ManualClock clock;
    quint64 timestamp = 1000000;
};
}

TEST_F(GestureTest, TapCountsAndMovementLimit)
{
    auto *single = new TapGestureRecognizer(target);
    Recorder singles;
    singles.attach(single, target);
    QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(50, 60));
    ASSERT_EQ(singles.states.size(), 1);
    EXPECT_EQ(singles.states.first(), GestureRecognizer::Recognized);
    EXPECT_EQ(singles.points.first(), QPointF(50, 60));
    EXPECT_EQ(single->state(), GestureRecognizer::State::Possible);  // ready for the next

    // Moving beyond 10 points is no tap.
    press(target, QPoint(50, 60));
    move(target, QPoint(62, 60));
    release(target, QPoint(62, 60));
    EXPECT_EQ(singles.states.size(), 1);
    // Within 10 points it still is.
    press(target, QPoint(50, 60));
    move(target, QPoint(57, 66));
    release(target, QPoint(57, 66));
    EXPECT_EQ(singles.states.size(), 2);
}

TEST_F(GestureTest, DoubleTapNeedsItsSecondTapInTime)
{
    auto *twice = new TapGestureRecognizer(target);
    twice->setNumberOfTapsRequired(2);
    Recorder taps;
    taps.attach(twice, target);
    QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(30, 30));
    EXPECT_TRUE(taps.states.isEmpty());
    clock.advance(200);
    QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(32, 31));
    EXPECT_EQ(taps.states.size(), 1);

    // A second tap 400 ms later starts over: it is the first of a new pair.
    QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(30, 30));
    clock.advance(400);
    QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(30, 30));
    EXPECT_EQ(taps.states.size(), 1);
    clock.advance(100);
    QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(30, 30));
    EXPECT_EQ(taps.states.size(), 2);
}

TEST_F(GestureTest, ARecogniserGoneWhileWaitingLeavesNoTimerBehind)
{
    auto *twice = new TapGestureRecognizer(target);
    twice->setNumberOfTapsRequired(2);
    QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(30, 30));  // waits for the second tap
    EXPECT_EQ(clock.pendingCount(), 1);
    delete twice;
    EXPECT_EQ(clock.pendingCount(), 0);
    clock.advance(1000);  // nothing fires on the deleted recogniser

    auto *longPress = new LongPressGestureRecognizer(target);
    press(target, QPoint(30, 30));
    EXPECT_EQ(clock.pendingCount(), 1);
    delete longPress;
    EXPECT_EQ(clock.pendingCount(), 0);
    clock.advance(1000);
    release(target, QPoint(30, 30));
}

TEST_F(GestureTest, TapReachesAncestorsButNotThroughControls)
{
    auto *tap = new TapGestureRecognizer(target);
    Recorder taps;
    taps.attach(tap, target);
    auto *label = new Label(QRectF(10, 10, 80, 30), target);
    label->show();
    auto *button = new Button(QRectF(100, 10, 60, 30), target);
    button->show();
    QSignalSpy pressed(button, &Button::touchUpInside);

    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(taps.states.size(), 1);
    EXPECT_EQ(taps.points.last(), QPointF(15, 15));  // in the recogniser's view
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(taps.states.size(), 1);
    EXPECT_EQ(pressed.count(), 1);
}

TEST_F(GestureTest, PanReportsTranslationAndVelocity)
{
    auto *pan = new PanGestureRecognizer(target);
    QList<QPointF> translations;
    QList<GestureRecognizer::State> states;
    QPointF velocity;
    QObject::connect(pan, &GestureRecognizer::triggered, pan, [&](GestureRecognizer *) {
        states << pan->state();
        translations << pan->translationInView(target);
        velocity = pan->velocityInView(target);
    });
    press(target, QPoint(100, 100));
    clock.advance(10);
    move(target, QPoint(105, 100));
    EXPECT_TRUE(states.isEmpty()) << "within the hysteresis";
    clock.advance(10);
    move(target, QPoint(130, 90));
    clock.advance(50);
    move(target, QPoint(150, 80));
    release(target, QPoint(150, 80));
    ASSERT_EQ(states.size(), 3);
    EXPECT_EQ(states[0], GestureRecognizer::State::Began);
    EXPECT_EQ(states[1], GestureRecognizer::State::Changed);
    EXPECT_EQ(states[2], GestureRecognizer::State::Ended);
    EXPECT_EQ(translations[0], QPointF(30, -10));
    EXPECT_EQ(translations[1], QPointF(50, -20));
    // Over the samples of the last 100 ms: from (100, 100) at 0 ms to (150, 80) at 70 ms.
    EXPECT_NEAR(velocity.x(), 50.0 / 0.07, 1.0);
    EXPECT_NEAR(velocity.y(), -20.0 / 0.07, 1.0);
}

TEST_F(GestureTest, LongPressTimingAndConflictWithTap)
{
    auto *tap = new TapGestureRecognizer(target);
    auto *longPress = new LongPressGestureRecognizer(target);
    Recorder taps;
    taps.attach(tap, target);
    Recorder presses;
    presses.attach(longPress, target);

    press(target, QPoint(60, 60));
    clock.advance(499);
    EXPECT_TRUE(presses.states.isEmpty());
    clock.advance(1);
    ASSERT_EQ(presses.states.size(), 1);
    EXPECT_EQ(presses.states[0], GestureRecognizer::State::Began);
    move(target, QPoint(80, 60));
    release(target, QPoint(80, 60));
    ASSERT_EQ(presses.states.size(), 3);
    EXPECT_EQ(presses.states[1], GestureRecognizer::State::Changed);
    EXPECT_EQ(presses.states[2], GestureRecognizer::State::Ended);
    EXPECT_TRUE(taps.states.isEmpty()) << "the long press won: the tap failed";

    // Moving away before the delay fails the long press; a quick tap is a tap.
    press(target, QPoint(60, 60));
    move(target, QPoint(75, 60));
    clock.advance(600);
    release(target, QPoint(75, 60));
    EXPECT_EQ(presses.states.size(), 3);
    QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(60, 60));
    EXPECT_EQ(taps.states.size(), 1);
    EXPECT_EQ(clock.pendingCount(), 0) << "the long-press timer was cancelled";
}

TEST_F(GestureTest, SwipeDirectionDistanceAndTime)
{
    auto *swipe = new SwipeGestureRecognizer(target);
    swipe->setDirection(SwipeGestureRecognizer::Left | SwipeGestureRecognizer::Up);
    Recorder swipes;
    swipes.attach(swipe, target);

    press(target, QPoint(150, 100));
    clock.advance(100);
    move(target, QPoint(120, 105));
    EXPECT_TRUE(swipes.states.isEmpty());
    move(target, QPoint(95, 110));
    release(target, QPoint(95, 110));
    EXPECT_EQ(swipes.states.size(), 1);

    // To the right: not an allowed direction.
    press(target, QPoint(50, 100));
    move(target, QPoint(120, 100));
    release(target, QPoint(120, 100));
    EXPECT_EQ(swipes.states.size(), 1);
    // Too slow.
    press(target, QPoint(150, 150));
    clock.advance(600);
    move(target, QPoint(150, 80));
    release(target, QPoint(150, 80));
    EXPECT_EQ(swipes.states.size(), 1);
    // Up, fast enough.
    press(target, QPoint(150, 150));
    clock.advance(50);
    move(target, QPoint(155, 90));
    release(target, QPoint(155, 90));
    EXPECT_EQ(swipes.states.size(), 2);
}

TEST_F(GestureTest, PinchScalesWithTwoTouches)
{
    auto *pinch = new PinchGestureRecognizer(target);
    QList<qreal> scales;
    QList<qreal> velocities;
    QList<GestureRecognizer::State> states;
    QObject::connect(pinch, &GestureRecognizer::triggered, pinch, [&](GestureRecognizer *) {
        states << pinch->state();
        scales << pinch->scale();
        velocities << pinch->velocity();
    });
    const std::unique_ptr<QPointingDevice> touchScreen(QTest::createTouchDevice());
    QPointingDevice *device = touchScreen.get();
    QTest::touchEvent(target, device).press(0, QPoint(50, 100)).press(1, QPoint(150, 100));
    QTest::touchEvent(target, device).move(0, QPoint(50, 100)).move(1, QPoint(153, 100));
    EXPECT_TRUE(states.isEmpty()) << "within the hysteresis";
    clock.advance(100);
    QTest::touchEvent(target, device).move(0, QPoint(25, 100)).move(1, QPoint(175, 100));
    clock.advance(100);
    QTest::touchEvent(target, device).move(0, QPoint(0, 100)).move(1, QPoint(200, 100));
    QTest::touchEvent(target, device).release(0, QPoint(0, 100)).release(1, QPoint(200, 100));
    ASSERT_EQ(states.size(), 3);
    EXPECT_EQ(states[0], GestureRecognizer::State::Began);
    EXPECT_DOUBLE_EQ(scales[0], 1.5);
    EXPECT_DOUBLE_EQ(scales[1], 2.0);
    EXPECT_EQ(states[2], GestureRecognizer::State::Ended);
    EXPECT_NEAR(velocities[1], 5.0, 1e-9);  // 0.5 of scale in 0.1 s
}

TEST_F(GestureTest, TouchTapAndScrollViewSharing)
{
    auto *scroll = new ScrollView(QRectF(0, 0, 300, 200), target);
    scroll->setContentSize(QSizeF(300, 1000));
    auto *tile = new View(QRectF(10, 10, 100, 100), scroll->contentView());
    auto *tap = new TapGestureRecognizer(tile);
    Recorder taps;
    taps.attach(tap, tile);
    scroll->show();

    // A tap on the tile: the tile's tap wins, nothing scrolls.
    QTest::mouseClick(tile, Qt::LeftButton, {}, QPoint(50, 50));
    EXPECT_EQ(taps.states.size(), 1);
    EXPECT_EQ(scroll->contentOffset(), QPointF(0, 0));
    // A drag that starts on the tile scrolls the list, and is no tap. (The pointer's place is
    // fixed on the screen while the tile moves under it.)
    auto onTile = [&](QPoint inScroll) { return tile->mapFrom(scroll, inScroll); };
    press(tile, onTile(QPoint(60, 100)));
    move(tile, onTile(QPoint(60, 80)));
    move(tile, onTile(QPoint(60, 40)));
    release(tile, onTile(QPoint(60, 40)));
    EXPECT_EQ(taps.states.size(), 1);
    EXPECT_DOUBLE_EQ(scroll->contentOffset().y(), 60.0);
    scroll->setContentOffset(QPointF(0, 0));

    // A touch tap.
    const std::unique_ptr<QPointingDevice> touchScreen(QTest::createTouchDevice());
    QPointingDevice *device = touchScreen.get();
    const QPoint inScroll = tile->mapTo(scroll, QPoint(40, 40));
    QTest::touchEvent(scroll->window(), device).press(0, scroll->mapTo(scroll->window(), inScroll));
    QTest::touchEvent(scroll->window(), device).release(0, scroll->mapTo(scroll->window(), inScroll));
    EXPECT_EQ(taps.states.size(), 2);
}
