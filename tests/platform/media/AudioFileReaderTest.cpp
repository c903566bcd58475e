// The one sound file reader of the player, the file-fed microphone and the recogniser:
// samples as stored, and speech samples (mean of the channels, 16 kHz, 16-bit).
#include "platform/media/AudioFileReader.h"
#include "support/MediaTestSupport.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QFile>

#include <sndfile.h>

#include <cmath>
#include <limits>
#include <numbers>

using MediaTestSupport::writeSamples;

namespace {

std::vector<qint16> speechSamples(const QString &path, qint64 maxSamples = 0, bool *ok = nullptr)
{
    AudioFileReader reader;
    std::vector<qint16> samples;
    const bool done = reader.open(path) && reader.readSpeechSamples(&samples, maxSamples);
    if (ok)
        *ok = done;
    return samples;
}

} // namespace

TEST(AudioFileReader, StereoAt44kIsTheMeanOfItsChannelsAt16k)
{
    // One second: left a 1 kHz sine of peak 0.6, right a constant 0.2. Their mean is a
    // 1 kHz sine of peak 0.3 around 0.1: 16000 samples, a level of 0.1 * 32768 = 3277, an
    // RMS about it of 0.3 / sqrt(2) * 32768 = 6951, and 1000 upward crossings a second.
    std::vector<short> stereo;
    for (int n = 0; n < 44100; ++n) {
        stereo.push_back(short(std::lround(0.6 * 32768 * std::sin(2 * std::numbers::pi * 1000 * n / 44100.0))));
        stereo.push_back(short(std::lround(0.2 * 32768)));
    }
    const QString path = TestSupport::freshDirectory(QStringLiteral("reader-stereo")) + QStringLiteral("/mix.wav");
    ASSERT_TRUE(writeSamples(path, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 44100, 2, stereo));

    AudioFileReader reader;
    ASSERT_TRUE(reader.open(path)) << qPrintable(reader.errorString());
    EXPECT_EQ(reader.sampleRate(), 44100);
    EXPECT_EQ(reader.channels(), 2);
    EXPECT_EQ(reader.frameCount(), 44100);
    std::vector<qint16> mono;
    ASSERT_TRUE(reader.readSpeechSamples(&mono)) << qPrintable(reader.errorString());
    EXPECT_NEAR(double(mono.size()), 16000.0, 1.0);
    ASSERT_GE(mono.size(), 15000u);

    // 14000 samples away from the edges: 875 whole periods at 16 samples a period.
    const size_t from = 1000;
    const size_t to = 15000;
    double sum = 0;
    for (size_t i = from; i < to; ++i)
        sum += mono[i];
    const double mean = sum / double(to - from);
    double squares = 0;
    int upward = 0;
    for (size_t i = from; i < to; ++i) {
        squares += (mono[i] - mean) * (mono[i] - mean);
        upward += i > from && mono[i - 1] < mean && mono[i] >= mean;
    }
    EXPECT_NEAR(mean, 3277.0, 5.0);
    EXPECT_NEAR(std::sqrt(squares / double(to - from)), 6951.0, 35.0);
    EXPECT_NEAR(upward, 875, 1);
}

TEST(AudioFileReader, SixteenKilohertzMonoIsTakenSampleForSample)
{
    const std::vector<short> stored{-32768, 32767, 0, 1, -1, 12345, -12345};
    const QString path = TestSupport::freshDirectory(QStringLiteral("reader-exact")) + QStringLiteral("/exact.wav");
    ASSERT_TRUE(writeSamples(path, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 16000, 1, stored));
    bool ok = false;
    EXPECT_EQ(speechSamples(path, 0, &ok), std::vector<qint16>(stored.begin(), stored.end()));
    EXPECT_TRUE(ok);
}

TEST(AudioFileReader, OutOfRangeAndNanSamplesAreClippedOrSilenced)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const std::vector<float> stored{1.5f, -1.5f, nan, 0.25f, -1.0f, 1.0f, 0.5f / 32768.0f};
    const QString path = TestSupport::freshDirectory(QStringLiteral("reader-float")) + QStringLiteral("/float.wav");
    ASSERT_TRUE(writeSamples(path, SF_FORMAT_WAV | SF_FORMAT_FLOAT, 16000, 1, stored));
    bool ok = false;
    // Half a step rounds to even.
    EXPECT_EQ(speechSamples(path, 0, &ok), (std::vector<qint16>{32767, -32768, 0, 8192, -32768, 32767, 0}));
    EXPECT_TRUE(ok);
}

TEST(AudioFileReader, SpeechSamplesStopAtTheCallersLimit)
{
    const QString folder = TestSupport::freshDirectory(QStringLiteral("reader-limit"));
    const QString exact = folder + QStringLiteral("/exact.wav");
    ASSERT_TRUE(writeSamples(exact, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 16000, 1, std::vector<short>(1000, 7)));
    bool ok = false;
    EXPECT_EQ(speechSamples(exact, 1000, &ok).size(), 1000u);
    EXPECT_TRUE(ok);

    AudioFileReader reader;
    ASSERT_TRUE(reader.open(exact));
    std::vector<qint16> samples;
    EXPECT_FALSE(reader.readSpeechSamples(&samples, 999));
    EXPECT_EQ(reader.status(), AudioFileReader::Status::TooLong);
    EXPECT_LE(samples.size(), 999u);

    // The bound counts samples after resampling: one second at 8 kHz is 16000 of them.
    const QString low = folder + QStringLiteral("/low.wav");
    ASSERT_TRUE(writeSamples(low, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 8000, 1, std::vector<short>(8000, 7)));
    speechSamples(low, 12000, &ok);
    EXPECT_FALSE(ok);
    EXPECT_NEAR(double(speechSamples(low, 16100, &ok).size()), 16000.0, 1.0);
    EXPECT_TRUE(ok);
}

TEST(AudioFileReader, InterleavedSamplesComeAsStored)
{
    const std::vector<short> stored{100, -200, 300, -400, 16384, -32768};
    const QString path = TestSupport::freshDirectory(QStringLiteral("reader-raw")) + QStringLiteral("/raw.wav");
    ASSERT_TRUE(writeSamples(path, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 22050, 2, stored));
    AudioFileReader reader;
    ASSERT_TRUE(reader.open(path));
    std::vector<float> samples;
    ASSERT_TRUE(reader.readInterleaved(&samples));
    ASSERT_EQ(samples.size(), stored.size());
    for (size_t i = 0; i < stored.size(); ++i)
        EXPECT_FLOAT_EQ(samples[i], float(stored[i]) / 32768.0f) << i;
}

TEST(AudioFileReader, UnreadableFilesAreNamedWithTheReason)
{
    const QString folder = TestSupport::freshDirectory(QStringLiteral("reader-bad"));
    AudioFileReader missing;
    EXPECT_FALSE(missing.open(folder + QStringLiteral("/none.caf")));
    EXPECT_EQ(missing.status(), AudioFileReader::Status::OpenFailed);
    EXPECT_NE(missing.sndfileError(), 0);
    EXPECT_EQ(missing.errorString(), QStringLiteral("audio file %1/none.caf does not exist").arg(folder));
    std::vector<qint16> samples;
    EXPECT_FALSE(missing.readSpeechSamples(&samples));
    EXPECT_TRUE(samples.empty());

    const QString garbage = folder + QStringLiteral("/garbage.mp3");
    QFile file(garbage);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(3000, '\x5a'));
    file.close();
    AudioFileReader undecodable;
    EXPECT_FALSE(undecodable.open(garbage));
    EXPECT_EQ(undecodable.status(), AudioFileReader::Status::OpenFailed);
    EXPECT_TRUE(undecodable.errorString().startsWith(QStringLiteral("audio file %1 cannot be decoded").arg(garbage)))
        << qPrintable(undecodable.errorString());
}
