#include "Clock.h"

#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QTimer>

namespace {
class SystemClock : public Clock
{
public:
    SystemClock() { m_elapsed.start(); }
    qint64 nowMs() const override { return m_elapsed.elapsed(); }

    int schedule(qint64 delayMs, std::function<void()> callback) override
    {
        const int id = m_nextId++;
        auto *timer = new QTimer(&m_owner);
        timer->setSingleShot(true);
        QObject::connect(timer, &QTimer::timeout, &m_owner, [this, id, callback = std::move(callback)]() {
            cancel(id);
            callback();
        });
        m_timers.insert(id, timer);
        timer->start(int(qMax<qint64>(0, delayMs)));
        return id;
    }

    void cancel(int id) override
    {
        if (QTimer *timer = m_timers.take(id)) {
            timer->stop();
            timer->deleteLater();
        }
    }

private:
    QElapsedTimer m_elapsed;
    QObject m_owner;
    QHash<int, QTimer *> m_timers;
    int m_nextId = 1;
};
}

Clock &Clock::system()
{
    static SystemClock clock;
    return clock;
}

int ManualClock::schedule(qint64 delayMs, std::function<void()> callback)
{
    const int id = m_nextId++;
    m_timers.emplace(id, Timer{m_now + qMax<qint64>(0, delayMs), std::move(callback)});
    return id;
}

void ManualClock::cancel(int id) { m_timers.erase(id); }

void ManualClock::advance(qint64 ms)
{
    const qint64 target = m_now + qMax<qint64>(0, ms);
    for (;;) {
        auto next = m_timers.end();
        for (auto it = m_timers.begin(); it != m_timers.end(); ++it) {
            if (it->second.due <= target && (next == m_timers.end() || it->second.due < next->second.due))
                next = it;
        }
        if (next == m_timers.end())
            break;
        m_now = next->second.due;
        std::function<void()> callback = std::move(next->second.callback);
        m_timers.erase(next);
        callback();
    }
    m_now = target;
}
