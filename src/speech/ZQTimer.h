#pragma once

#include <functional>

// Stopwatch for timing consecutive stages: startTimer() stores the current time stamp;
// each getSpentTime() returns the seconds since the stored stamp and stores a new one, so
// two calls in a row give the durations of two consecutive stages, not a running total.
//
// Time stamps are seconds since the reference date 2001-01-01 00:00:00 UTC, from the
// system clock unless a clock is injected (tests pass their own). Before startTimer() the
// stored stamp is 0.
//
// Thread: any, one object per thread. Never fails.
class ZQTimer
{
public:
    using Clock = std::function<double()>;

    ZQTimer();
    explicit ZQTimer(Clock clock);

    void startTimer();
    double getSpentTime();

    double timeInterval_start() const { return m_timeInterval_start; }

    // Seconds since 2001-01-01 00:00:00 UTC from the system clock.
    static double currentTimeStamp();

private:
    Clock m_clock;
    double m_timeInterval_start = 0.0;
};
