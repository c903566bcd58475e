#pragma once

#include <QtGlobal>

class MediaTimer;

// The time base of the media layer: a monotonic clock in microseconds and the scheduler of
// the MediaTimer objects made on it.
//
// The process uses the system clock (real time, Qt timers) unless another clock has been
// installed with setInstance(); tests install a ManualMediaClock so that players, outputs,
// recorders and playlist boxes run on time they advance themselves, without sleeping.
// A MediaTimer binds to the clock that is installed when the timer is made.
//
// Real devices (QAudioSink, QAudioSource) run in real time, so the media layer uses them
// only while the system clock is installed; on any other clock it uses the null output and
// reports recording as not permitted unless a file-fed microphone is set.
//
// Thread: main thread only. Never fails.
class MediaClock
{
public:
    virtual ~MediaClock();

    // Microseconds on a monotonic scale; only differences are meaningful.
    virtual qint64 nowUs() const = 0;
    // True for the system clock.
    virtual bool isRealTime() const = 0;

    // The installed clock (the system clock unless a test installed another one).
    static MediaClock *instance();
    // Installs `clock` (nullptr: back to the system clock). The caller keeps ownership.
    static void setInstance(MediaClock *clock);

protected:
    friend class MediaTimer;
    // Arms `timer` to fire once at the absolute time `dueUs`, replacing an earlier arming.
    virtual void arm(MediaTimer *timer, qint64 dueUs) = 0;
    virtual void disarm(MediaTimer *timer) = 0;
    // A timer was made on, or is leaving, this clock.
    virtual void attach(MediaTimer *timer);
    virtual void detach(MediaTimer *timer);
};
