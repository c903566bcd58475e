#pragma once

#include <QDateTime>
#include <QObject>
#include <QtGlobal>

#include <functional>
#include <map>

// The process's one source of time: a monotonic clock (milliseconds, and microseconds for
// the media layer), single-shot and repeating timers on it, and the wall clock as seconds
// since the reference date 2001-01-01 00:00:00 UTC.
//
// One clock is installed for the process: the system clock (real time, timers on the Qt
// event loop) unless another one has been installed with setInstance(). Tests install a
// ManualClock, so that gestures, players, recorders and timed rules run on time they move
// themselves, without sleeping. Objects that keep timers across calls (MediaTimer) bind to
// the clock installed when they start one.
//
// Timers fire in order of due time; equal due times fire in the order they were armed. A
// repeating timer keeps its phase: each due time is the previous one plus the period, so
// ticks do not drift; when the event loop stalls past a tick, the missed ticks are skipped.
// A callback may schedule or cancel timers, its own included. Timer ids are unique in the
// process, so cancelling an id on the wrong clock does nothing.
//
// Thread: timers are made, cancelled and fired on the main thread. now, nowUs and the wall
// clock of the system clock may be read on any thread. Never fails; cancelling an unknown
// or finished timer does nothing. Destroying a clock uninstalls it and drops its timers.
class Clock : public QObject
{
public:
    // The reference date in seconds since 1970-01-01 00:00:00 UTC.
    static constexpr qint64 referenceDateUnixSeconds = 978307200;

    ~Clock() override;

    // Monotonic time; only differences are meaningful.
    virtual qint64 nowUs() const = 0;
    qint64 nowMs() const { return nowUs() / 1000; }
    // Wall clock: seconds since the reference date (negative before it).
    virtual double secondsSinceReferenceDate() const = 0;
    // The wall clock as a UTC date and time, to the millisecond.
    QDateTime currentDateTimeUtc() const;
    // True for the system clock, whose time passes by itself.
    virtual bool isRealTime() const = 0;

    // Calls `callback` once, `delayMs` from now (0 or less: as soon as timers run).
    int schedule(qint64 delayMs, std::function<void()> callback);
    // Calls `callback` every `intervalMs` (at least 1 ms), first `intervalMs` from now.
    int scheduleRepeating(qint64 intervalMs, std::function<void()> callback);
    // The same to the microsecond: first `delayUs` from now, then every `periodUs` when
    // `periodUs` is greater than 0, else once.
    int scheduleUs(qint64 delayUs, qint64 periodUs, std::function<void()> callback);
    void cancel(int id);
    bool isScheduled(int id) const { return m_timers.count(id) != 0; }
    int pendingCount() const { return int(m_timers.size()); }
    // Due time of the earliest timer, or -1 when none is armed.
    qint64 nextDueUs() const;

    // The installed clock (the system clock unless another one is installed).
    static Clock &instance();
    // Installs `clock`; nullptr goes back to the system clock. The caller keeps ownership.
    static void setInstance(Clock *clock);
    static Clock &system();

protected:
    Clock() = default;

    // Fires, in due order, every timer that is due at or before `limitUs`, including those
    // armed by callbacks on the way.
    void runTimersDueBy(qint64 limitUs);
    // Called just before a timer due at `dueUs` fires.
    virtual void aboutToFire(qint64 dueUs) { Q_UNUSED(dueUs); }
    // The set of timers or their due times changed.
    virtual void timersChanged() {}

private:
    struct Timer
    {
        qint64 dueUs;
        qint64 periodUs;  // 0: single-shot
        quint64 order;    // arming order breaks ties between equal due times
        std::function<void()> callback;
    };
    void fire(std::map<int, Timer>::iterator timer);

    std::map<int, Timer> m_timers;
    quint64 m_nextOrder = 0;
};

// A clock that only moves when a test calls advance(): every timer that falls due on the
// way fires in order, with nowUs() equal to its due time while it runs; timers armed by a
// callback within the step fire in the same call; repeating timers re-arm.
//
// Its wall clock starts at the reference date and moves with advance(); set it with
// setSecondsSinceReferenceDate() or setCurrentDateTime().
//
// Thread: the thread that uses it. Never fails.
class ManualClock : public Clock
{
public:
    ManualClock() = default;
    ManualClock(const ManualClock &) = delete;
    ManualClock &operator=(const ManualClock &) = delete;

    qint64 nowUs() const override { return m_nowUs; }
    double secondsSinceReferenceDate() const override;
    bool isRealTime() const override { return false; }

    // Moves time forward (negative amounts count as 0), firing the timers due on the way.
    void advance(qint64 ms) { advanceUs(ms * 1000); }
    void advanceUs(qint64 us);
    // Fires the timers due now (zero-delay timers).
    void runDue() { advanceUs(0); }

    void setSecondsSinceReferenceDate(double seconds);
    void setCurrentDateTime(const QDateTime &dateTime);

protected:
    void aboutToFire(qint64 dueUs) override;

private:
    qint64 m_nowUs = 0;
    // The wall clock reads m_wallSeconds at monotonic time m_wallAtUs.
    double m_wallSeconds = 0.0;
    qint64 m_wallAtUs = 0;
};
