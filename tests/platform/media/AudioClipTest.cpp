// Decoding a sound file into a clip: samples a damaged file decodes to outside -1..1, or to
// non-numbers, reach the outputs held to the range (found by fuzzing: a broken MP3 frame
// decoded to values near 25).
#include "platform/media/AudioClip.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QFile>

#include <sndfile.h>

#include <cmath>
#include <limits>

TEST(AudioClip, SamplesOutsideTheRangeAreHeldToIt)
{
    // Float WAV data is read back as stored, so the file can hold what a damaged stream
    // decodes to.
    const QString path = TestSupport::freshDirectory(QStringLiteral("clip")) + QStringLiteral("/wild.wav");
    const float stored[] = {0.5f, 25.0f, -30.0f, std::numeric_limits<float>::quiet_NaN(),
                            std::numeric_limits<float>::infinity(), -0.25f};
    SF_INFO info{};
    info.samplerate = 16000;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_FLOAT;
    SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    ASSERT_NE(file, nullptr);
    ASSERT_EQ(sf_writef_float(file, stored, 6), 6);
    sf_close(file);

    QString error;
    const auto clip = AudioClip::fromFile(path, &error);
    ASSERT_NE(clip, nullptr) << qPrintable(error);
    EXPECT_EQ(clip->samples(), std::vector<float>({0.5f, 1.0f, -1.0f, 0.0f, 0.0f, -0.25f}));
}
