#include "ManualMediaClock.h"

#include "MediaTimer.h"

ManualMediaClock::ManualMediaClock() = default;

ManualMediaClock::~ManualMediaClock()
{
    if (MediaClock::instance() == this)
        MediaClock::setInstance(nullptr);
    const QList<MediaTimer *> timers = m_timers;
    m_timers.clear();
    m_entries.clear();
    for (MediaTimer *timer : timers)
        timer->clockGone();
}

void ManualMediaClock::attach(MediaTimer *timer)
{
    m_timers.append(timer);
}

void ManualMediaClock::detach(MediaTimer *timer)
{
    m_timers.removeAll(timer);
}

void ManualMediaClock::arm(MediaTimer *timer, qint64 dueUs)
{
    disarm(timer);
    m_entries.append(Entry{timer, dueUs, m_nextOrder++});
}

void ManualMediaClock::disarm(MediaTimer *timer)
{
    m_entries.removeIf([timer](const Entry &entry) { return entry.timer == timer; });
}

qint64 ManualMediaClock::nextDueUs() const
{
    qint64 next = -1;
    for (const Entry &entry : m_entries) {
        if (next < 0 || entry.dueUs < next)
            next = entry.dueUs;
    }
    return next;
}

void ManualMediaClock::advanceUs(qint64 microseconds)
{
    advanceTo(m_nowUs + qMax<qint64>(0, microseconds));
}

void ManualMediaClock::advanceTo(qint64 targetUs)
{
    if (targetUs < m_nowUs)
        targetUs = m_nowUs;
    for (;;) {
        // The earliest due entry; handlers may arm, disarm or destroy timers, so the list
        // is searched afresh after every firing.
        qsizetype best = -1;
        for (qsizetype i = 0; i < m_entries.size(); ++i) {
            const Entry &entry = m_entries.at(i);
            if (entry.dueUs > targetUs)
                continue;
            if (best < 0 || entry.dueUs < m_entries.at(best).dueUs
                || (entry.dueUs == m_entries.at(best).dueUs && entry.order < m_entries.at(best).order))
                best = i;
        }
        if (best < 0)
            break;
        const Entry entry = m_entries.takeAt(best);
        m_nowUs = qMax(m_nowUs, entry.dueUs);
        entry.timer->fire();
    }
    m_nowUs = targetUs;
}
