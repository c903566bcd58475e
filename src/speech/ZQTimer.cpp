#include "ZQTimer.h"

#include "platform/foundation/Clock.h"

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
    return Clock::instance().secondsSinceReferenceDate();
}
