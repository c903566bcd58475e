// The voiceprint image of a known spectrum: size, grey levels, orientation, and the
// spectra that give no image.
#include "speech/views/SpectrogramRenderer.h"

#include <gtest/gtest.h>

#include <QColor>

#include <cmath>
#include <limits>

namespace {
// `frames` x `bins`, every value `value`.
AudioPowerSpectrumInfo flat(int frames, int bins, double value, double maxPower)
{
    AudioPowerSpectrumInfo info;
    info.powerData = QList<QList<double>>(frames, QList<double>(bins, value));
    info.frameCount = quint64(frames);
    info.spectrumSize = bins;
    info.maxPower = maxPower;
    return info;
}
}

TEST(SpectrogramRendererTest, ImageIsOnePixelPerFrameAndBinWithBinZeroAtTheBottomAndLouderDarker)
{
    AudioPowerSpectrumInfo info = flat(5, 128, 0.0, 10.0);
    info.powerData[2][0] = 10.0;   // loudest: black, in the bottom row
    info.powerData[3][127] = 5.0;  // half: mid grey, in the top row
    info.powerData[4][64] = 2.5;

    const QImage image = SpectrogramRenderer::render(info);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.format(), QImage::Format_RGBA8888);
    EXPECT_EQ(image.width(), 5);
    EXPECT_EQ(image.height(), 128);
    // 4 bytes per pixel, no padding beyond the row alignment.
    EXPECT_EQ(image.bytesPerLine(), 5 * 4);

    EXPECT_EQ(image.pixelColor(2, 127), QColor(0, 0, 0, 255));
    EXPECT_EQ(image.pixelColor(2, 0), QColor(255, 255, 255, 255));
    // 255 - trunc(5 x 25.5) = 255 - 127.
    EXPECT_EQ(image.pixelColor(3, 0), QColor(128, 128, 128, 255));
    EXPECT_EQ(image.pixelColor(4, 127 - 64), QColor(192, 192, 192, 255));  // 255 - trunc(63.75)
    EXPECT_EQ(image.pixelColor(0, 50), QColor(255, 255, 255, 255));
    // Louder is darker along a ramp.
    AudioPowerSpectrumInfo ramp = flat(4, 1, 0.0, 3.0);
    for (int x = 0; x < 4; ++x)
        ramp.powerData[x][0] = x;
    const QImage rampImage = SpectrogramRenderer::render(ramp);
    for (int x = 1; x < 4; ++x)
        EXPECT_LT(rampImage.pixelColor(x, 0).red(), rampImage.pixelColor(x - 1, 0).red()) << x;
}

TEST(SpectrogramRendererTest, ZeroMaximumDrawsWhiteAndOddValuesStayInRange)
{
    const QImage white = SpectrogramRenderer::render(flat(3, 128, 0.0, 0.0));
    ASSERT_FALSE(white.isNull());
    for (int y = 0; y < white.height(); ++y)
        for (int x = 0; x < white.width(); ++x)
            ASSERT_EQ(white.pixelColor(x, y), QColor(255, 255, 255, 255)) << x << "," << y;

    // maxPower 0 with data: the scale is 255 / FLT_MAX, so every real value is white.
    EXPECT_EQ(SpectrogramRenderer::render(flat(2, 4, 1e6, 0.0)).pixelColor(1, 1), QColor(255, 255, 255));

    const double scale = 255.0 / 10.0;
    EXPECT_EQ(SpectrogramRenderer::intensity(-3.0, scale), 0);
    EXPECT_EQ(SpectrogramRenderer::intensity(std::nan(""), scale), 0);
    EXPECT_EQ(SpectrogramRenderer::intensity(10.0, scale), 255);
    // A value beyond the maximum keeps its low 8 bits: trunc(20 x 25.5) = 510 -> 254.
    EXPECT_EQ(SpectrogramRenderer::intensity(20.0, scale), 254);
    EXPECT_EQ(SpectrogramRenderer::intensity(std::numeric_limits<double>::infinity(), scale), 255);
}

TEST(SpectrogramRendererTest, SpectraWithoutFramesGiveNoImageAndShortRowsDrawAsSilence)
{
    EXPECT_TRUE(SpectrogramRenderer::render(AudioPowerSpectrumInfo()).isNull());
    AudioPowerSpectrumInfo noCount = flat(3, 128, 1.0, 1.0);
    noCount.frameCount = 0;
    EXPECT_TRUE(SpectrogramRenderer::render(noCount).isNull());
    AudioPowerSpectrumInfo noBins = flat(3, 128, 1.0, 1.0);
    noBins.spectrumSize = 0;
    EXPECT_TRUE(SpectrogramRenderer::render(noBins).isNull());

    // A record claiming more frames than it holds: width frameCount, missing rows white.
    AudioPowerSpectrumInfo shortRows = flat(2, 4, 1.0, 1.0);
    shortRows.frameCount = 3;
    shortRows.powerData[1].resize(2);
    const QImage image = SpectrogramRenderer::render(shortRows);
    ASSERT_EQ(image.width(), 3);
    EXPECT_EQ(image.pixelColor(0, 0), QColor(0, 0, 0));
    EXPECT_EQ(image.pixelColor(1, 3), QColor(0, 0, 0));      // bin 0 of frame 1
    EXPECT_EQ(image.pixelColor(1, 0), QColor(255, 255, 255));  // bin 3 missing
    EXPECT_EQ(image.pixelColor(2, 2), QColor(255, 255, 255));  // frame 2 missing
}
