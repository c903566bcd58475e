#include "MediaClock.h"

#include "MediaTimer.h"

#include <QElapsedTimer>

namespace {
// Real time: a monotonic QElapsedTimer; timers are precise QTimers (see MediaTimer).
class SystemMediaClock final : public MediaClock
{
public:
    SystemMediaClock() { m_elapsed.start(); }
    qint64 nowUs() const override { return m_elapsed.nsecsElapsed() / 1000; }
    bool isRealTime() const override { return true; }

protected:
    void arm(MediaTimer *, qint64) override {}
    void disarm(MediaTimer *) override {}

private:
    QElapsedTimer m_elapsed;
};

SystemMediaClock &systemClock()
{
    static SystemMediaClock clock;
    return clock;
}

MediaClock *&installedClock()
{
    static MediaClock *clock = nullptr;
    return clock;
}
}

MediaClock::~MediaClock() = default;

MediaClock *MediaClock::instance()
{
    MediaClock *clock = installedClock();
    return clock ? clock : &systemClock();
}

void MediaClock::setInstance(MediaClock *clock)
{
    installedClock() = clock;
}

void MediaClock::attach(MediaTimer *) {}
void MediaClock::detach(MediaTimer *) {}
