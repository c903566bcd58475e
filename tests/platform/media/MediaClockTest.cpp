// The manual media clock and its timers: due order, phase, and handlers that stop or
// destroy their timer.
#include "platform/media/ManualMediaClock.h"
#include "platform/media/MediaTimer.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {
struct ClockInstalled
{
    ManualMediaClock clock;
    ClockInstalled() { MediaClock::setInstance(&clock); }
    ~ClockInstalled() { MediaClock::setInstance(nullptr); }
};
}

TEST(MediaClock, TimersFireInDueOrderAtTheirDueTimeAndRepeatWithoutDrift)
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

    installed.clock.advanceMs(95);
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

TEST(MediaClock, HandlersMayStopRestartOrDestroyTheirTimer)
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

    installed.clock.advanceMs(1000);
    EXPECT_EQ(ticks, 3);
    EXPECT_EQ(doomed, nullptr);
    EXPECT_EQ(restarts, 4);
    EXPECT_EQ(installed.clock.nextDueUs(), -1);
}

TEST(MediaClock, TimersOutliveTheirClockSilently)
{
    auto clock = std::make_unique<ManualMediaClock>();
    MediaClock::setInstance(clock.get());
    MediaTimer timer;
    int ticks = 0;
    QObject::connect(&timer, &MediaTimer::timeout, [&] { ++ticks; });
    timer.start(10);
    clock->advanceMs(25);
    clock.reset();  // uninstalls itself
    EXPECT_TRUE(MediaClock::instance()->isRealTime());
    EXPECT_FALSE(timer.isActive());
    timer.start(10);  // harmless: the timer has no clock any more
    EXPECT_FALSE(timer.isActive());
    EXPECT_EQ(ticks, 2);
}
