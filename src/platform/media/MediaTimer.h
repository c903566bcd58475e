#pragma once

#include "platform/foundation/Clock.h"

#include <QObject>
#include <QPointer>

// A QTimer-like timer on the process clock (platform/foundation/Clock): single-shot or
// repeating, interval in milliseconds, signal timeout().
//
// A timer runs on the clock installed when it was made; a repeating timer keeps its phase
// (each due time is the previous one plus the interval, at least 1 ms), so ticks do not
// drift. A new interval takes effect at the next start(). When a test clock is
// destroyed, its timers stop and never fire again.
//
// A timer may be stopped, restarted or destroyed from inside its own timeout() handler.
//
// Thread: the main thread (it fires on the thread that runs the clock's timers). Never fails.
class MediaTimer : public QObject
{
    Q_OBJECT

public:
    explicit MediaTimer(QObject *parent = nullptr);
    ~MediaTimer() override;

    void setInterval(int milliseconds);
    int interval() const { return m_intervalMs; }
    void setSingleShot(bool singleShot);
    bool isSingleShot() const { return m_singleShot; }

    void start();
    void start(int milliseconds);
    // Fires once after `microseconds` (finer than milliseconds; used by the audio outputs).
    void startMicroseconds(qint64 microseconds);
    void stop();
    bool isActive() const;

    // The clock the timer was made on; nullptr when that clock has been destroyed.
    Clock *clock() const { return m_clock; }

Q_SIGNALS:
    void timeout();

private:
    void arm(qint64 delayUs, qint64 periodUs);

    QPointer<Clock> m_clock;
    int m_timerId = 0;
    int m_intervalMs = 0;
    bool m_singleShot = false;
};
