#pragma once

#include <QObject>
#include <QTimer>

class MediaClock;

// A QTimer-like timer on the media clock: single-shot or repeating, interval in
// milliseconds, signal timeout().
//
// On the system clock it is a precise QTimer. On a manual clock it fires while the test
// advances the clock, in due order; a repeating timer keeps its phase (each due time is the
// previous one plus the interval), so ticks do not drift.
//
// A timer may be stopped, restarted or destroyed from inside its own timeout() handler.
//
// Thread: the main thread (it fires on the thread that made it). Never fails.
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
    bool isActive() const { return m_active; }

    MediaClock *clock() const { return m_clock; }

Q_SIGNALS:
    void timeout();

private:
    friend class ManualMediaClock;
    friend class MediaClock;
    void fire();          // called by the clock when the due time is reached
    void clockGone();     // the manual clock was destroyed
    void armIn(qint64 delayUs);

    MediaClock *m_clock;
    QTimer m_qtimer;      // used on the system clock only
    int m_intervalMs = 0;
    bool m_singleShot = false;
    bool m_active = false;
    qint64 m_dueUs = 0;
};
