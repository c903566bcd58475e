#include "speech/PowerSpectrumFrontEnd.h"
#include "SpeechFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

PowerSpectrumFrontEnd::Framing decoderFraming()
{
    // The decoder's defaults at 16 kHz: 100 frames a second, 25.625 ms windows, 512 points.
    return {160, 410, 512, 0.97, 16000.0};
}

int argmax(const QList<double> &row)
{
    return int(std::max_element(row.begin(), row.end()) - row.begin());
}

} // namespace

TEST(PowerSpectrum, ToneLandsInItsBinWithTheExpectedLevel)
{
    const std::vector<short> samples = SpeechFixture::tone(1000.0, 0.5, 10000.0);
    const QList<qint64> frames{0, 1, 10, 40};
    const AudioPowerSpectrumInfo info = PowerSpectrumFrontEnd::logPowerSpectrum(
        samples.data(), samples.size(), frames, decoderFraming(), 128);
    ASSERT_EQ(info.frameCount, 4u);
    ASSERT_EQ(info.powerData.size(), 4);
    EXPECT_EQ(info.spectrumSize, 128);

    // 1000 Hz is bin 32 of a 512-point FFT at 16 kHz. Its power: (A/2 x sum of the Hamming
    // window x pre-emphasis gain at that frequency)^2.
    const double omega = 2.0 * std::numbers::pi * 1000.0 / 16000.0;
    const double gain = std::hypot(1.0 - 0.97 * std::cos(omega), 0.97 * std::sin(omega));
    double windowSum = 0;
    for (int i = 0; i < 410; ++i)
        windowSum += 0.54 - 0.46 * std::cos(2.0 * std::numbers::pi * i / 409.0);
    const double expected = 2.0 * std::log(5000.0 * windowSum * gain);
    double maximum = 0;
    for (const QList<double> &row : info.powerData) {
        ASSERT_EQ(row.size(), 128);
        EXPECT_EQ(argmax(row), 32);
        EXPECT_NEAR(row[32], expected, 0.05);
        EXPECT_LT(row[100], row[32] - 5.0);
        for (double value : row)
            EXPECT_GE(value, 0.0);
        maximum = std::max(maximum, *std::max_element(row.begin(), row.end()));
    }
    EXPECT_DOUBLE_EQ(info.maxPower, maximum);
}

TEST(PowerSpectrum, SilenceEmptyAndTrailingFrames)
{
    const std::vector<short> zeros(2000, 0);
    const AudioPowerSpectrumInfo silent = PowerSpectrumFrontEnd::logPowerSpectrum(
        zeros.data(), zeros.size(), {0, 5}, decoderFraming(), 128);
    ASSERT_EQ(silent.powerData.size(), 2);
    EXPECT_EQ(silent.maxPower, 0.0);
    EXPECT_TRUE(std::all_of(silent.powerData[1].begin(), silent.powerData[1].end(),
                            [](double v) { return v == 0.0; }));

    const AudioPowerSpectrumInfo none = PowerSpectrumFrontEnd::logPowerSpectrum(
        zeros.data(), zeros.size(), {}, decoderFraming(), 128);
    EXPECT_EQ(none.frameCount, 0u);
    EXPECT_TRUE(none.powerData.isEmpty());
    EXPECT_EQ(none.maxPower, 0.0);

    // 300 samples of tone: frame 1 (from sample 160) is partly audio and zero-padded; frame 2
    // (from sample 320) lies past the end and is all zeros.
    const std::vector<short> shortTone = SpeechFixture::tone(2000.0, 300.0 / 16000.0, 8000.0);
    const AudioPowerSpectrumInfo tail = PowerSpectrumFrontEnd::logPowerSpectrum(
        shortTone.data(), shortTone.size(), {1, 2}, decoderFraming(), 128);
    ASSERT_EQ(tail.powerData.size(), 2);
    EXPECT_EQ(argmax(tail.powerData[0]), 64);
    EXPECT_GT(tail.powerData[0][64], 15.0);
    EXPECT_EQ(*std::max_element(tail.powerData[1].begin(), tail.powerData[1].end()), 0.0);
}
