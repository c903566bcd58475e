#pragma once

#include "platform/media/AudioCapture.h"
#include "platform/media/AudioPlayerSlot.h"
#include "platform/foundation/Clock.h"
#include "support/MediaTestSupport.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <ostream>

// Readable failure messages for texts.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

// A manual media clock, an empty shared player slot and a folder of short sine voices.
class AudioTestFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Clock::setInstance(&clock);
        if (qgetenv("PHRASEBOOK_AUDIO_OUT").isEmpty())
            AudioCapture::instance().setPath(QString());
        folder = TestSupport::freshDirectory(QStringLiteral("audio"));
    }
    void TearDown() override
    {
        AudioPlayerSlot::clear();
        Clock::setInstance(nullptr);
    }

    // `count` voices of `seconds` each, item i at 300 + 100 i Hz.
    QStringList voices(int count, double seconds = 1.0)
    {
        QStringList paths;
        for (int i = 0; i < count; ++i) {
            const QString path = folder + QStringLiteral("/voice-%1-%2.wav").arg(++m_made).arg(i);
            EXPECT_TRUE(MediaTestSupport::writeSine(path, seconds, 300.0 + 100.0 * i, 16000));
            paths.append(path);
        }
        return paths;
    }

    double seconds() const { return double(clock.nowUs()) / 1e6; }

    ManualClock clock;
    QString folder;

private:
    int m_made = 0;
};
