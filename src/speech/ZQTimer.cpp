#include "ZQTimer.h"

#include <chrono>
#include <utility>

namespace {
// 2001-01-01 00:00:00 UTC in seconds of the Unix epoch.
constexpr double kReferenceDateOffset = 978307200.0;
}

ZQTimer::ZQTimer() : m_clock(&ZQTimer::currentTimeStamp) {}

ZQTimer::ZQTimer(Clock clock) : m_clock(clock ? std::move(clock) : Clock(&ZQTimer::currentTimeStamp))
{
}

void ZQTimer::startTimer()
{
    m_timeInterval_start = m_clock();
}

double ZQTimer::getSpentTime()
{
    const double now = m_clock();
    const double spent = now - m_timeInterval_start;
    m_timeInterval_start = now;
    return spent;
}

double ZQTimer::currentTimeStamp()
{
    using namespace std::chrono;
    const auto sinceEpoch = duration_cast<microseconds>(system_clock::now().time_since_epoch());
    return static_cast<double>(sinceEpoch.count()) / 1e6 - kReferenceDateOffset;
}
