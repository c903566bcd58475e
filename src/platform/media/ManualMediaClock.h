#pragma once

#include "MediaClock.h"

#include <QList>

// A media clock that only moves when told to: advance() runs every timer that falls due on
// the way, in order of due time (timers made or re-armed by a handler join the walk), with
// nowUs() equal to each timer's due time while it runs.
//
// Installing it (MediaClock::setInstance) makes the media layer deterministic: players use
// the null output, whose samples are consumed exactly as the clock moves.
//
// Thread: main thread. Never fails. Destroying the clock uninstalls it and disconnects the
// timers still made on it (they never fire again).
class ManualMediaClock : public MediaClock
{
public:
    ManualMediaClock();
    ~ManualMediaClock() override;
    ManualMediaClock(const ManualMediaClock &) = delete;
    ManualMediaClock &operator=(const ManualMediaClock &) = delete;

    qint64 nowUs() const override { return m_nowUs; }
    bool isRealTime() const override { return false; }

    // Moves the clock forward by `microseconds` (or to `targetUs`), firing due timers.
    void advanceUs(qint64 microseconds);
    void advanceMs(qint64 milliseconds) { advanceUs(milliseconds * 1000); }
    void advanceTo(qint64 targetUs);
    // Fires the timers due at the current time (zero-delay timers).
    void runDue() { advanceTo(m_nowUs); }
    // Time of the next armed timer, or -1 when none is armed.
    qint64 nextDueUs() const;

protected:
    void arm(MediaTimer *timer, qint64 dueUs) override;
    void disarm(MediaTimer *timer) override;
    void attach(MediaTimer *timer) override;
    void detach(MediaTimer *timer) override;

private:
    struct Entry
    {
        MediaTimer *timer;
        qint64 dueUs;
        quint64 order;  // arming order breaks ties between equal due times
    };
    qint64 m_nowUs = 0;
    quint64 m_nextOrder = 0;
    QList<Entry> m_entries;
    QList<MediaTimer *> m_timers;  // every timer bound to this clock
};
