// Media timers on a manual clock: due order, phase, and handlers that stop or destroy their
// timer.
#include "platform/foundation/Clock.h"
#include "platform/media/MediaTimer.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {
struct ClockInstalled
{
    ManualClock clock;
    ClockInstalled() { Clock::setInstance(&clock); }
    ~ClockInstalled() { Clock::setInstance(nullptr); }
};
}

TEST(MediaTimer, TimersFireInDueOrderAtTheirDueTimeAndRepeatWithoutDrift)
{
    ClockInstalled installed;
    std::vector<std::pair<char, qint64>> fired;
    MediaTimer repeating;
    repeating.setInterval(100);
    QObject::connect(&repeating, &MediaTimer::timeout, [&] { fired.emplace_back('r', installed.clock.nowUs()); });
    MediaTimer once;
    once.setSingleShot(true);
    QObject::connect(&once, &MediaTimer::timeout, [&] { fired.emplace_back('o', installed.clock.nowUs()); });
    repeating.start();
    once.start(250);

    installed.clock.advance(95);
    EXPECT_TRUE(fired.empty());
    installed.clock.advanceUs(305000);  // to 400 ms
    const std::vector<std::pair<char, qint64>> expected = {
        {'r', 100000}, {'r', 200000}, {'o', 250000}, {'r', 300000}, {'r', 400000}};
    EXPECT_EQ(fired, expected);
    EXPECT_FALSE(once.isActive());
    EXPECT_TRUE(repeating.isActive());
    EXPECT_EQ(installed.clock.nowUs(), 400000);
    EXPECT_EQ(installed.clock.nextDueUs(), 500000);
}

TEST(MediaTimer, HandlersMayStopRestartOrDestroyTheirTimer)
{
    ClockInstalled installed;
    int ticks = 0;
    auto doomed = std::make_unique<MediaTimer>();
    doomed->setInterval(10);
    QObject::connect(doomed.get(), &MediaTimer::timeout, [&] {
        if (++ticks == 3)
            doomed.reset();
    });
    doomed->start();

    int restarts = 0;
    MediaTimer chained;
    chained.setSingleShot(true);
    QObject::connect(&chained, &MediaTimer::timeout, [&] {
        if (++restarts < 4)
            chained.start(0);  // zero delay: fires again within the same advance
    });
    chained.start(5);

    installed.clock.advance(1000);
    EXPECT_EQ(ticks, 3);
    EXPECT_EQ(doomed, nullptr);
    EXPECT_EQ(restarts, 4);
    EXPECT_EQ(installed.clock.nextDueUs(), -1);
}

TEST(MediaTimer, TimersOutliveTheirClockSilently)
{
    auto clock = std::make_unique<ManualClock>();
    Clock::setInstance(clock.get());
    MediaTimer timer;
    int ticks = 0;
    QObject::connect(&timer, &MediaTimer::timeout, [&] { ++ticks; });
    timer.start(10);
    clock->advance(25);
    clock.reset();  // uninstalls itself
    EXPECT_TRUE(Clock::instance().isRealTime());
    EXPECT_FALSE(timer.isActive());
    timer.start(10);  // harmless: the timer has no clock any more
    EXPECT_FALSE(timer.isActive());
    EXPECT_EQ(ticks, 2);
}
