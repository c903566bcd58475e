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

// One word of a recording: whole frames from the start (rounded down) to the end (rounded
// up), channels kept together, the range held within the clip; nothing for a range that
// holds no frame.
TEST(AudioClip, AnExcerptKeepsWholeFramesWithinTheClip)
{
    std::vector<float> samples;
    for (int frame = 0; frame < 10; ++frame) {
        samples.push_back(frame / 10.0f);   // left
        samples.push_back(-frame / 10.0f);  // right
    }
    const AudioClip clip(samples, 10, 2);  // 10 frames a second: frame i starts at i / 10 s

    const auto middle = clip.excerpt(0.25, 0.51);
    ASSERT_NE(middle, nullptr);
    EXPECT_EQ(middle->sampleRate(), 10);
    EXPECT_EQ(middle->channels(), 2);
    EXPECT_EQ(middle->samples(), std::vector<float>(samples.begin() + 2 * 2, samples.begin() + 6 * 2))
        << "frames 2 to 5";

    const auto clamped = clip.excerpt(-3.0, 42.0);
    ASSERT_NE(clamped, nullptr);
    EXPECT_EQ(clamped->samples(), samples);
    const auto tail = clip.excerpt(0.95, 2.0);
    ASSERT_NE(tail, nullptr);
    EXPECT_EQ(tail->frameCount(), 1);

    EXPECT_EQ(clip.excerpt(0.5, 0.5), nullptr);
    EXPECT_EQ(clip.excerpt(0.6, 0.2), nullptr);
    EXPECT_EQ(clip.excerpt(1.0, 3.0), nullptr) << "after the end";
    EXPECT_EQ(clip.excerpt(-2.0, -1.0), nullptr) << "before the start";
    EXPECT_EQ(clip.excerpt(std::numeric_limits<double>::quiet_NaN(), 1.0), nullptr);
}
