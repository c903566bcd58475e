// The process clock: the manual clock's walk through due timers, repeating timers, the wall
// clock, installation, and the system clock's timers on the event loop.
#include "platform/foundation/Clock.h"

#include <gtest/gtest.h>

#include <QTest>
#include <QTimeZone>

#include <memory>
#include <string>
#include <vector>

namespace {
using Firings = std::vector<std::pair<std::string, qint64>>;
}

TEST(ManualClock, FiresDueTimersInTimeOrderIncludingThoseArmedOnTheWay)
{
    ManualClock clock;
    Firings fired;
    auto note = [&](const char *name) { return [&fired, &clock, name] { fired.emplace_back(name, clock.nowUs()); }; };
    clock.schedule(30, note("c"));
    clock.schedule(10, note("a"));
    clock.schedule(30, note("d"));  // same due time as "c": arming order decides
    clock.schedule(10, [&] {
        fired.emplace_back("b", clock.nowUs());
        clock.schedule(5, note("b+5"));    // due within the step: fires in this advance
        clock.schedule(0, note("b+0"));    // due at once: before "b+5"
        clock.schedule(100, note("late"));  // beyond the step
    });
    const int cancelled = clock.schedule(20, note("cancelled"));
    clock.cancel(cancelled);
    clock.cancel(cancelled);  // twice: nothing happens
    clock.cancel(987654);     // unknown: nothing happens

    clock.advance(40);
    const Firings expected = {{"a", 10000}, {"b", 10000}, {"b+0", 10000}, {"b+5", 15000},
                              {"c", 30000}, {"d", 30000}};
    EXPECT_EQ(fired, expected);
    EXPECT_EQ(clock.nowMs(), 40);
    EXPECT_EQ(clock.pendingCount(), 1);
    EXPECT_EQ(clock.nextDueUs(), 110000);

    clock.advance(-5);  // time never goes back
    EXPECT_EQ(clock.nowMs(), 40);
    clock.advanceUs(69999);
    EXPECT_EQ(fired.size(), expected.size()) << "one microsecond early";
    clock.runDue();
    EXPECT_EQ(fired.size(), expected.size());
    clock.advanceUs(1);
    ASSERT_EQ(fired.size(), expected.size() + 1);
    EXPECT_EQ(fired.back(), Firings::value_type("late", 110000));
    EXPECT_EQ(clock.nextDueUs(), -1);
}

TEST(ManualClock, RepeatingTimersReArmUntilCancelledEvenFromTheirOwnCallback)
{
    ManualClock clock;
    std::vector<qint64> ticks;
    int id = 0;
    id = clock.scheduleRepeating(30, [&] {
        ticks.push_back(clock.nowMs());
        if (ticks.size() == 4)
            clock.cancel(id);
    });
    std::vector<qint64> fine;
    const int fineId = clock.scheduleUs(250, 400, [&] { fine.push_back(clock.nowUs()); });

    clock.advance(100);  // one long step fires every tick on the way
    EXPECT_EQ(ticks, (std::vector<qint64>{30, 60, 90}));
    EXPECT_TRUE(clock.isScheduled(id));
    clock.advance(100);
    EXPECT_EQ(ticks, (std::vector<qint64>{30, 60, 90, 120}));
    EXPECT_FALSE(clock.isScheduled(id));

    ASSERT_GE(fine.size(), 3u);
    EXPECT_EQ(fine[0], 250);
    EXPECT_EQ(fine[1], 650);
    EXPECT_EQ(fine[2], 1050);
    clock.cancel(fineId);

    // A zero interval still moves forward (1 ms), so a step ends.
    int zero = 0;
    clock.scheduleRepeating(0, [&] { ++zero; });
    clock.advance(5);
    EXPECT_EQ(zero, 5);
}

TEST(ManualClock, WallClockMovesWithTheClockAndConvertsToUtc)
{
    ManualClock clock;
    EXPECT_DOUBLE_EQ(clock.secondsSinceReferenceDate(), 0.0);
    EXPECT_EQ(clock.currentDateTimeUtc(), QDateTime(QDate(2001, 1, 1), QTime(0, 0), QTimeZone::utc()));

    const QDateTime date(QDate(2024, 5, 1), QTime(12, 0, 0, 250), QTimeZone::utc());
    clock.setCurrentDateTime(date);
    EXPECT_EQ(clock.currentDateTimeUtc(), date);
    EXPECT_NEAR(clock.secondsSinceReferenceDate(), double(date.toSecsSinceEpoch()) + 0.25 - 978307200.0, 1e-6);
    clock.advance(1500);
    EXPECT_EQ(clock.currentDateTimeUtc(), date.addMSecs(1500));

    clock.setSecondsSinceReferenceDate(-86400.0);
    EXPECT_EQ(clock.currentDateTimeUtc(), QDateTime(QDate(2000, 12, 31), QTime(0, 0), QTimeZone::utc()));
    EXPECT_EQ(Clock::referenceDateUnixSeconds,
              QDateTime(QDate(2001, 1, 1), QTime(0, 0), QTimeZone::utc()).toSecsSinceEpoch());
}

TEST(Clock, InstalledClockServesTheProcessUntilUninstalledOrDestroyed)
{
    EXPECT_TRUE(Clock::instance().isRealTime());
    EXPECT_EQ(&Clock::instance(), &Clock::system());
    auto installed = std::make_unique<ManualClock>();
    Clock::setInstance(installed.get());
    EXPECT_EQ(&Clock::instance(), installed.get());
    EXPECT_FALSE(Clock::instance().isRealTime());

    // Ids are unique across clocks: cancelling on the wrong one leaves the timer alone.
    bool fired = false;
    const int id = installed->schedule(10, [&] { fired = true; });
    {
        ManualClock other;
        EXPECT_NE(other.schedule(10, [] {}), id);
        other.cancel(id);
    }  // destroyed while not installed: the installed clock stays
    EXPECT_EQ(&Clock::instance(), installed.get());
    installed->advance(10);
    EXPECT_TRUE(fired);

    installed->schedule(10, [] { FAIL() << "a destroyed clock fires nothing"; });
    installed.reset();
    EXPECT_EQ(&Clock::instance(), &Clock::system());
    Clock::setInstance(nullptr);
}

TEST(Clock, SystemClockFiresTimersOnTheEventLoopNeverEarly)
{
    Clock &clock = Clock::system();
    const double wall = clock.secondsSinceReferenceDate();
    const QDateTime reference(QDate(2001, 1, 1), QTime(0, 0), QTimeZone::utc());
    EXPECT_NEAR(wall, double(reference.msecsTo(QDateTime::currentDateTimeUtc())) / 1000.0, 5.0);

    const qint64 start = clock.nowUs();
    Firings fired;
    clock.schedule(20, [&] { fired.emplace_back("once", clock.nowUs() - start); });
    int ticks = 0;
    int repeating = 0;
    repeating = clock.scheduleUs(5000, 5000, [&] {
        fired.emplace_back("tick", clock.nowUs() - start);
        if (++ticks == 3)
            clock.cancel(repeating);
    });
    const int cancelled = clock.schedule(1, [&] { fired.emplace_back("cancelled", 0); });
    clock.cancel(cancelled);

    const bool done = QTest::qWaitFor([&] { return fired.size() == 4; }, 5000);
    clock.cancel(repeating);  // the callbacks refer to this frame
    EXPECT_TRUE(done);
    ASSERT_EQ(fired.size(), 4u);
    int onces = 0;
    for (const auto &[name, at] : fired) {
        EXPECT_NE(name, "cancelled");
        if (name == "once") {
            ++onces;
            EXPECT_GE(at, 20000);
        }
    }
    EXPECT_EQ(onces, 1);
    EXPECT_EQ(fired.front().first, "tick");
    EXPECT_GE(fired.front().second, 5000);
    EXPECT_EQ(clock.pendingCount(), 0);
}
