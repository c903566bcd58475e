#include "ZQTimer.h"

#include "platform/foundation/Clock.h"

#include <QCoreApplication>
#include <QThread>

void ZQTimer::startTimer()
{
    m_timeInterval_start = currentTimeStamp();
}

double ZQTimer::getSpentTime()
{
    const double now = currentTimeStamp();
    const double spent = now - m_timeInterval_start;
    m_timeInterval_start = now;
    return spent;
}

double ZQTimer::currentTimeStamp()
{
    // The installed clock belongs to the main thread (a test's manual clock may be replaced
    // at any moment); elsewhere, as on the speech worker, the system clock is the safe one.
    const QCoreApplication *application = QCoreApplication::instance();
    const bool mainThread = !application || QThread::currentThread() == application->thread();
    return (mainThread ? Clock::instance() : Clock::system()).secondsSinceReferenceDate();
}
