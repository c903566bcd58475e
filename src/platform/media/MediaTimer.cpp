#include "MediaTimer.h"

#include "MediaClock.h"

MediaTimer::MediaTimer(QObject *parent) : QObject(parent), m_clock(MediaClock::instance())
{
    m_qtimer.setTimerType(Qt::PreciseTimer);
    connect(&m_qtimer, &QTimer::timeout, this, &MediaTimer::fire);
    m_clock->attach(this);
}

MediaTimer::~MediaTimer()
{
    if (m_clock) {
        m_clock->disarm(this);
        m_clock->detach(this);
    }
}

void MediaTimer::setInterval(int milliseconds)
{
    m_intervalMs = qMax(0, milliseconds);
}

void MediaTimer::setSingleShot(bool singleShot)
{
    m_singleShot = singleShot;
}

void MediaTimer::start()
{
    armIn(qint64(m_intervalMs) * 1000);
}

void MediaTimer::start(int milliseconds)
{
    setInterval(milliseconds);
    start();
}

void MediaTimer::startMicroseconds(qint64 microseconds)
{
    m_singleShot = true;
    armIn(qMax<qint64>(0, microseconds));
}

void MediaTimer::stop()
{
    m_active = false;
    m_qtimer.stop();
    if (m_clock)
        m_clock->disarm(this);
}

void MediaTimer::armIn(qint64 delayUs)
{
    if (!m_clock)
        return;
    m_active = true;
    m_dueUs = m_clock->nowUs() + delayUs;
    if (m_clock->isRealTime()) {
        // QTimer has millisecond resolution; round up so a timer never fires early.
        m_qtimer.setSingleShot(true);
        m_qtimer.start(int((delayUs + 999) / 1000));
    } else {
        m_clock->arm(this, m_dueUs);
    }
}

void MediaTimer::fire()
{
    if (!m_active || !m_clock)
        return;
    if (m_singleShot) {
        m_active = false;
    } else {
        // Keep the phase: the next due time follows the previous one, not the late firing.
        const qint64 period = qMax<qint64>(1000, qint64(m_intervalMs) * 1000);
        const qint64 now = m_clock->nowUs();
        m_dueUs += period;
        if (m_dueUs <= now && m_clock->isRealTime())
            m_dueUs = now + period;  // the event loop stalled: skip the missed ticks
        if (m_clock->isRealTime()) {
            m_qtimer.setSingleShot(true);
            m_qtimer.start(int((qMax<qint64>(0, m_dueUs - now) + 999) / 1000));
        } else {
            m_clock->arm(this, m_dueUs);
        }
    }
    // Nothing may touch the object after the signal: a handler may destroy it.
    Q_EMIT timeout();
}

void MediaTimer::clockGone()
{
    m_active = false;
    m_clock = nullptr;
}
