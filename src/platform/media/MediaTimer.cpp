#include "MediaTimer.h"

#include "platform/foundation/Clock.h"

MediaTimer::MediaTimer(QObject *parent) : QObject(parent), m_clock(&Clock::instance()) {}

MediaTimer::~MediaTimer() { stop(); }

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
    const qint64 intervalUs = qint64(m_intervalMs) * 1000;
    arm(intervalUs, m_singleShot ? 0 : qMax<qint64>(1000, intervalUs));
}

void MediaTimer::start(int milliseconds)
{
    setInterval(milliseconds);
    start();
}

void MediaTimer::startMicroseconds(qint64 microseconds)
{
    m_singleShot = true;
    arm(qMax<qint64>(0, microseconds), 0);
}

void MediaTimer::stop()
{
    if (m_clock && m_timerId != 0)
        m_clock->cancel(m_timerId);
    m_timerId = 0;
}

bool MediaTimer::isActive() const
{
    return m_clock && m_timerId != 0 && m_clock->isScheduled(m_timerId);
}

void MediaTimer::arm(qint64 delayUs, qint64 periodUs)
{
    stop();
    if (!m_clock)
        return;  // made on a test clock that is gone
    // The clock drops the callback when the timer is stopped or destroyed, so `this` is
    // valid whenever it runs; nothing may touch the object after the signal.
    m_timerId = m_clock->scheduleUs(delayUs, periodUs, [this] { Q_EMIT timeout(); });
}
