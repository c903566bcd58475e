#pragma once

#include <QtGlobal>

#include <functional>
#include <map>
#include <memory>

// Time source of the gesture recognisers (and anything else that must be tested without
// sleeping): the current time in milliseconds and one-shot timers on it.
//
// Clock::system() runs on the Qt event loop; ManualClock only moves when a test calls
// advance(), firing the timers that fall due in time order.
//
// Thread: main thread (timers fire on it). Failure: none; cancelling an unknown or fired
// timer does nothing.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual qint64 nowMs() const = 0;
    // Calls `callback` once, `delayMs` from now; returns an id for cancel().
    virtual int schedule(qint64 delayMs, std::function<void()> callback) = 0;
    virtual void cancel(int id) = 0;

    static Clock &system();
};

class ManualClock : public Clock
{
public:
    qint64 nowMs() const override { return m_now; }
    int schedule(qint64 delayMs, std::function<void()> callback) override;
    void cancel(int id) override;
    // Moves time forward, firing due timers in order (a timer scheduled by a callback fires
    // in the same call when it falls due within the step).
    void advance(qint64 ms);
    int pendingCount() const { return int(m_timers.size()); }

private:
    struct Timer
    {
        qint64 due;
        std::function<void()> callback;
    };
    qint64 m_now = 0;
    int m_nextId = 1;
    std::map<int, Timer> m_timers;
};
