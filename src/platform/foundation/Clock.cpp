#include "Clock.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimeZone>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <cmath>
#include <limits>

namespace {
std::atomic<int> nextTimerId{1};
std::atomic<Clock *> installedClock{nullptr};

// Real time: QElapsedTimer for the monotonic time, the system wall clock, and one precise
// Qt timer that wakes the event loop when the earliest timer falls due.
class SystemClock final : public Clock
{
public:
    SystemClock() { m_elapsed.start(); }

    qint64 nowUs() const override { return m_elapsed.nsecsElapsed() / 1000; }

    double secondsSinceReferenceDate() const override
    {
        using namespace std::chrono;
        const auto sinceEpoch = duration_cast<microseconds>(system_clock::now().time_since_epoch());
        return double(sinceEpoch.count()) / 1e6 - double(referenceDateUnixSeconds);
    }

    bool isRealTime() const override { return true; }

protected:
    void timersChanged() override
    {
        const qint64 due = nextDueUs();
        if (due < 0) {
            if (m_wakeUp)
                m_wakeUp->stop();
            return;
        }
        if (!m_wakeUp) {
            // Owned by the application, so that it goes with the event loop it runs on.
            m_wakeUp = new QTimer(QCoreApplication::instance());
            m_wakeUp->setTimerType(Qt::PreciseTimer);
            m_wakeUp->setSingleShot(true);
            QObject::connect(m_wakeUp, &QTimer::timeout, m_wakeUp, [this] { runTimersDueBy(nowUs()); });
        }
        // Qt timers count whole milliseconds; rounding up keeps a timer from firing early.
        const qint64 delayUs = qMax<qint64>(0, due - nowUs());
        m_wakeUp->start(int(qMin<qint64>((delayUs + 999) / 1000, std::numeric_limits<int>::max())));
    }

private:
    QElapsedTimer m_elapsed;
    QPointer<QTimer> m_wakeUp;
};
}

Clock::~Clock()
{
    Clock *self = this;
    installedClock.compare_exchange_strong(self, nullptr);
}

QDateTime Clock::currentDateTimeUtc() const
{
    const double msecs = (secondsSinceReferenceDate() + double(referenceDateUnixSeconds)) * 1000.0;
    return QDateTime::fromMSecsSinceEpoch(std::llround(msecs), QTimeZone::utc());
}

int Clock::schedule(qint64 delayMs, std::function<void()> callback)
{
    return scheduleUs(delayMs * 1000, 0, std::move(callback));
}

int Clock::scheduleRepeating(qint64 intervalMs, std::function<void()> callback)
{
    const qint64 intervalUs = qMax<qint64>(1, intervalMs) * 1000;
    return scheduleUs(intervalUs, intervalUs, std::move(callback));
}

int Clock::scheduleUs(qint64 delayUs, qint64 periodUs, std::function<void()> callback)
{
    const int id = nextTimerId++;
    m_timers.emplace(id, Timer{nowUs() + qMax<qint64>(0, delayUs), qMax<qint64>(0, periodUs), m_nextOrder++,
                               std::move(callback)});
    timersChanged();
    return id;
}

void Clock::cancel(int id)
{
    if (m_timers.erase(id) != 0)
        timersChanged();
}

qint64 Clock::nextDueUs() const
{
    qint64 next = -1;
    for (const auto &[id, timer] : m_timers) {
        if (next < 0 || timer.dueUs < next)
            next = timer.dueUs;
    }
    return next;
}

void Clock::runTimersDueBy(qint64 limitUs)
{
    for (;;) {
        // Callbacks may arm, cancel or destroy timers, so the earliest is searched afresh
        // after every firing.
        auto best = m_timers.end();
        for (auto it = m_timers.begin(); it != m_timers.end(); ++it) {
            const Timer &timer = it->second;
            if (timer.dueUs > limitUs)
                continue;
            if (best == m_timers.end() || timer.dueUs < best->second.dueUs
                || (timer.dueUs == best->second.dueUs && timer.order < best->second.order))
                best = it;
        }
        if (best == m_timers.end())
            break;
        fire(best);
    }
    timersChanged();
}

void Clock::fire(std::map<int, Timer>::iterator it)
{
    Timer &timer = it->second;
    aboutToFire(timer.dueUs);
    std::function<void()> callback;
    if (timer.periodUs > 0) {
        timer.dueUs += timer.periodUs;
        const qint64 now = nowUs();
        if (timer.dueUs <= now)
            timer.dueUs = now + timer.periodUs;  // the event loop stalled: skip the missed ticks
        timer.order = m_nextOrder++;
        callback = timer.callback;  // a copy: the callback may cancel its own timer
    } else {
        callback = std::move(timer.callback);
        m_timers.erase(it);
    }
    // Nothing may touch the timer after the callback: it may have cancelled it.
    callback();
}

Clock &Clock::system()
{
    static SystemClock clock;
    return clock;
}

Clock &Clock::instance()
{
    Clock *clock = installedClock.load();
    return clock ? *clock : system();
}

void Clock::setInstance(Clock *clock)
{
    installedClock.store(clock);
}

double ManualClock::secondsSinceReferenceDate() const
{
    return m_wallSeconds + double(m_nowUs - m_wallAtUs) / 1e6;
}

void ManualClock::advanceUs(qint64 us)
{
    const qint64 target = m_nowUs + qMax<qint64>(0, us);
    runTimersDueBy(target);
    m_nowUs = target;
}

void ManualClock::aboutToFire(qint64 dueUs)
{
    m_nowUs = qMax(m_nowUs, dueUs);
}

void ManualClock::setSecondsSinceReferenceDate(double seconds)
{
    m_wallSeconds = seconds;
    m_wallAtUs = m_nowUs;
}

void ManualClock::setCurrentDateTime(const QDateTime &dateTime)
{
    setSecondsSinceReferenceDate(double(dateTime.toMSecsSinceEpoch()) / 1000.0 - double(referenceDateUnixSeconds));
}
