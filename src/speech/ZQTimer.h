#pragma once

// Stopwatch for timing consecutive stages: startTimer() stores the current time stamp;
// each getSpentTime() returns the seconds since the stored stamp and stores a new one, so
// two calls in a row give the durations of two consecutive stages, not a running total.
//
// Time stamps are seconds since the reference date 2001-01-01 00:00:00 UTC, read from the
// installed clock (platform/foundation/Clock; tests install a manual one) on the main
// thread and from the system clock on any other thread. Before startTimer() the stored
// stamp is 0.
//
// Thread: any, one object per thread. Never fails.
class ZQTimer
{
public:
    void startTimer();
    double getSpentTime();

    double timeInterval_start() const { return m_timeInterval_start; }

    // Seconds since 2001-01-01 00:00:00 UTC on the installed clock.
    static double currentTimeStamp();

private:
    double m_timeInterval_start = 0.0;
};
