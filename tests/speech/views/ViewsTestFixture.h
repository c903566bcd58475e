#pragma once

#include "platform/media/AudioCapture.h"
#include "platform/media/AudioPlayerSlot.h"
#include "speech/AudioPowerSpectrumInfo.h"
#include "platform/ui/Button.h"
#include "platform/ui/DeviceProfile.h"
#include "platform/foundation/Clock.h"
#include "support/MediaTestSupport.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

// A manual media clock, an empty shared player slot, a scratch folder and a screen preset.
class ViewsTestFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Clock::setInstance(&clock);
        AudioCapture::instance().setPath(QString());
        folder = TestSupport::freshDirectory(QStringLiteral("views"));
        useDevice(QStringLiteral("se"));
    }
    void TearDown() override
    {
        AudioPlayerSlot::clear();
        Clock::setInstance(nullptr);
        Screen::setDevice(DeviceProfile::defaultProfile());
    }
    static void useDevice(const QString &name) { Screen::setDevice(*DeviceProfile::preset(name)); }

    QString sine(const QString &name, double seconds)
    {
        const QString path = folder + QLatin1Char('/') + name + QStringLiteral(".wav");
        EXPECT_TRUE(MediaTestSupport::writeSine(path, seconds, 440.0, 16000));
        return path;
    }
    // `frames` frames of 128 bins, all at the maximum (black).
    static AudioPowerSpectrumInfo blackSpectrum(int frames)
    {
        AudioPowerSpectrumInfo info;
        info.powerData = QList<QList<double>>(frames, QList<double>(128, 20.0));
        info.frameCount = quint64(frames);
        info.maxPower = 20.0;
        return info;
    }
    static void press(Button *button) { Q_EMIT button->touchUpInside(button); }

    ManualClock clock;
    QString folder;
};
