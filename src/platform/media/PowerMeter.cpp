#include "PowerMeter.h"

#include <cmath>
#include <cstdlib>

void PowerMeter::add(const qint16 *samples, qint64 count)
{
    for (qint64 i = 0; i < count; ++i) {
        const int value = samples[i];
        m_peak = qMax(m_peak, std::abs(value));
        m_sumOfSquares += double(value) * double(value);
    }
    m_count += qMax<qint64>(0, count);
}

void PowerMeter::update()
{
    if (m_count == 0)
        return;
    m_peakDb = decibels(double(m_peak) / 32768.0);
    m_averageDb = decibels(std::sqrt(m_sumOfSquares / double(m_count)) / 32768.0);
    m_peak = 0;
    m_sumOfSquares = 0.0;
    m_count = 0;
}

void PowerMeter::reset()
{
    m_peak = 0;
    m_sumOfSquares = 0.0;
    m_count = 0;
    m_peakDb = floorDb();
    m_averageDb = floorDb();
}

float PowerMeter::decibels(double amplitude)
{
    if (!(amplitude > 0.0))
        return floorDb();
    const double db = 20.0 * std::log10(amplitude);
    return db < double(floorDb()) ? floorDb() : float(qMin(0.0, db));
}
