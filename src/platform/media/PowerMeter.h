#pragma once

#include <QtGlobal>

// Level metering of 16-bit samples, in decibels relative to full scale (0 dB at full
// scale, negative below, never below -160 dB): the peak is the largest magnitude of the
// samples since the last update, the average the root mean square of the same samples.
// A full-scale sine reads 0 dB peak and -3.01 dB average.
//
// Thread: one thread (the recorder's). Never fails.
class PowerMeter
{
public:
    static constexpr float floorDb() { return -160.0f; }

    void add(const qint16 *samples, qint64 count);
    // Turns the samples added since the last update into new readings; with no new samples
    // the readings stay as they are.
    void update();
    void reset();

    float peakPower() const { return m_peakDb; }
    float averagePower() const { return m_averageDb; }

    static float decibels(double amplitude);  // amplitude relative to full scale

private:
    int m_peak = 0;
    double m_sumOfSquares = 0.0;
    qint64 m_count = 0;
    float m_peakDb = floorDb();
    float m_averageDb = floorDb();
};
