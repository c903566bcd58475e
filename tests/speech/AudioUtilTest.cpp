#include "SpeechFixture.h"
#include "support/TestSupport.h"
#include "speech/ZQAudioUtil.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QtEndian>

#include <sndfile.h>

#include <cmath>

using SpeechFixture::writeAudio;

namespace {

std::vector<short> pattern(size_t count)
{
    std::vector<short> samples(count);
    for (size_t i = 0; i < count; ++i)
        samples[i] = short(int((i * 7919) % 20001) - 10000);
    return samples;
}

double rms(const std::vector<qint16> &samples, size_t from, size_t to)
{
    double sum = 0;
    for (size_t i = from; i < to; ++i)
        sum += double(samples[i]) * samples[i];
    return std::sqrt(sum / double(to - from));
}

int zeroCrossings(const std::vector<qint16> &samples, size_t from, size_t to)
{
    int crossings = 0;
    for (size_t i = from + 1; i < to; ++i)
        crossings += (samples[i - 1] < 0) != (samples[i] < 0);
    return crossings;
}

QByteArray le32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QByteArray le16(quint16 value)
{
    QByteArray bytes(2, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QByteArray chunk(const char *id, const QByteArray &payload, quint32 declaredLength = 0)
{
    QByteArray bytes = QByteArray(id, 4) + le32(declaredLength ? declaredLength : quint32(payload.size()))
        + payload;
    if (payload.size() % 2 && !declaredLength)
        bytes += '\0';
    return bytes;
}

QByteArray pcmFormat(quint16 channels, quint32 rate, quint16 bits, bool extraSize)
{
    const quint16 align = quint16(channels * bits / 8);
    QByteArray fmt = le16(1) + le16(channels) + le32(rate) + le32(rate * align) + le16(align)
        + le16(bits);
    if (extraSize)
        fmt += le16(0);
    return fmt;
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

AudioDataInfo sentinelRecord()
{
    AudioDataInfo info;
    info.size = 3;
    info.data = QByteArray("abc");
    info.channels = 9;
    info.sample_rate = 12345;
    return info;
}

void expectUntouched(const AudioDataInfo &info)
{
    EXPECT_EQ(info.size, 3);
    EXPECT_EQ(info.data, QByteArray("abc"));
    EXPECT_EQ(info.channels, 9);
    EXPECT_EQ(info.sample_rate, 12345u);
}

} // namespace

TEST(AudioUtil, WavAndAlacAt16kMonoDecodeSampleExact)
{
    const QString folder = TestSupport::freshDirectory(QStringLiteral("exact"));
    const std::vector<short> samples = pattern(16000 + 123);
    const QString wav = folder + QStringLiteral("/a.wav");
    const QString caf = folder + QStringLiteral("/a.caf");
    ASSERT_TRUE(writeAudio(wav, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 16000, 1, samples));
    ASSERT_TRUE(writeAudio(caf, SF_FORMAT_CAF | SF_FORMAT_ALAC_16, 16000, 1, samples));

    for (const QString &path : {wav, caf}) {
        SCOPED_TRACE(path.toStdString());
        AudioDataInfo info;
        ASSERT_EQ(ZQAudioUtil::decodeAudioDataFromFile(path, info), 0);
        EXPECT_EQ(info.size, qint32(2 * samples.size()));
        EXPECT_EQ(info.data.size(), info.size);
        EXPECT_EQ(info.channels, 1);
        EXPECT_EQ(info.sample_rate, 16000u);
        const std::vector<qint16> decoded = ZQAudioUtil::getAudioDataShortForByte(info);
        ASSERT_EQ(decoded.size(), samples.size());
        EXPECT_TRUE(std::equal(decoded.begin(), decoded.end(), samples.begin()));
    }
    AudioDataInfo wavInfo;
    AudioDataInfo cafInfo;
    ZQAudioUtil::decodeAudioDataFromFile(wav, wavInfo);
    ZQAudioUtil::decodeAudioDataFromFile(caf, cafInfo);
    EXPECT_EQ(wavInfo.format_tag, ZQAudioUtil::fourCharCode("lpcm"));
    EXPECT_EQ(wavInfo.bits_per_sample, 16);
    EXPECT_EQ(cafInfo.format_tag, ZQAudioUtil::fourCharCode("alac"));
    // A compressed format has no fixed sample width and counts as 8 bits per channel.
    EXPECT_EQ(cafInfo.bits_per_sample, 8);
}

TEST(AudioUtil, StereoAt44kIsMixedDownAndResampledTo16k)
{
    const QString folder = TestSupport::freshDirectory(QStringLiteral("stereo"));
    const std::vector<short> left = SpeechFixture::tone(440.0, 1.0, 8000.0, 44100);
    std::vector<short> same;
    std::vector<short> opposite;
    for (short value : left) {
        same.insert(same.end(), {value, value});
        opposite.insert(opposite.end(), {value, short(-value)});
    }
    const QString samePath = folder + QStringLiteral("/same.wav");
    const QString oppositePath = folder + QStringLiteral("/opposite.flac");
    ASSERT_TRUE(writeAudio(samePath, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 44100, 2, same));
    ASSERT_TRUE(writeAudio(oppositePath, SF_FORMAT_FLAC | SF_FORMAT_PCM_16, 44100, 2, opposite));

    AudioDataInfo info;
    ASSERT_EQ(ZQAudioUtil::decodeAudioDataFromFile(samePath, info), 0);
    EXPECT_EQ(info.channels, 2);
    EXPECT_EQ(info.sample_rate, 44100u);
    EXPECT_EQ(info.bits_per_sample, 32);
    const std::vector<qint16> mono = ZQAudioUtil::getAudioDataShortForByte(info);
    EXPECT_NEAR(double(mono.size()), 16000.0, 2.0);
    // Same tone, same level: 440 Hz crosses zero 880 times a second.
    EXPECT_NEAR(rms(mono, 1000, 15000), 8000.0 / std::sqrt(2.0), 100.0);
    EXPECT_NEAR(zeroCrossings(mono, 0, 16000), 880, 3);

    AudioDataInfo cancelled;
    ASSERT_EQ(ZQAudioUtil::decodeAudioDataFromFile(oppositePath, cancelled), 0);
    EXPECT_EQ(cancelled.format_tag, ZQAudioUtil::fourCharCode("flac"));
    const std::vector<qint16> silent = ZQAudioUtil::getAudioDataShortForByte(cancelled);
    ASSERT_FALSE(silent.empty());
    EXPECT_LT(rms(silent, 0, silent.size()), 1.0);
}

TEST(AudioUtil, Mp3At22kIsSizedByWhatWasDecoded)
{
    const QString folder = TestSupport::freshDirectory(QStringLiteral("mp3"));
    const QString path = folder + QStringLiteral("/tone.mp3");
    ASSERT_TRUE(writeAudio(path, SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III, 22050, 1,
                           SpeechFixture::tone(500.0, 2.0, 10000.0, 22050)));
    AudioDataInfo info;
    ASSERT_EQ(ZQAudioUtil::decodeAudioDataFromFile(path, info), 0);
    EXPECT_EQ(info.sample_rate, 22050u);
    EXPECT_EQ(info.format_tag, ZQAudioUtil::fourCharCode(".mp3"));
    const std::vector<qint16> samples = ZQAudioUtil::getAudioDataShortForByte(info);
    // 2 s at 16 kHz (plus at most the encoder's padding), not 2 s worth of 22.05 kHz frames.
    EXPECT_GE(samples.size(), 31000u);
    EXPECT_LE(samples.size(), 34500u);
    // Every sample is decoded audio: the last second is the tone, not undefined memory.
    EXPECT_NEAR(rms(samples, 16000, 30000), 10000.0 / std::sqrt(2.0), 600.0);
    EXPECT_NEAR(zeroCrossings(samples, 16000, 32000), 1000, 8);
}

TEST(AudioUtil, EmptyMissingAndCorruptFiles)
{
    const QString folder = TestSupport::freshDirectory(QStringLiteral("bad"));
    const QString empty = folder + QStringLiteral("/empty.wav");
    ASSERT_TRUE(writeAudio(empty, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 16000, 1, {}));
    AudioDataInfo info;
    EXPECT_EQ(ZQAudioUtil::decodeAudioDataFromFile(empty, info), 0);
    EXPECT_EQ(info.size, 0);
    EXPECT_TRUE(info.data.isEmpty());
    EXPECT_TRUE(ZQAudioUtil::getAudioDataShortForByte(info).empty());

    AudioDataInfo missing = sentinelRecord();
    EXPECT_NE(ZQAudioUtil::decodeAudioDataFromFile(folder + QStringLiteral("/none.caf"), missing), 0);
    expectUntouched(missing);

    const QString garbage = folder + QStringLiteral("/garbage.caf");
    QByteArray noise;
    for (int i = 0; i < 5000; ++i)
        noise += char((i * 131 + 17) % 251);
    writeBytes(garbage, noise);
    const QString zero = folder + QStringLiteral("/zero.mp3");
    writeBytes(zero, QByteArray());
    for (const QString &path : {garbage, zero}) {
        AudioDataInfo record = sentinelRecord();
        EXPECT_NE(ZQAudioUtil::decodeAudioDataFromFile(path, record), 0) << path.toStdString();
        expectUntouched(record);
    }
}

TEST(AudioUtil, RefusesFilesLongerThanTenMinutes)
{
    const QString folder = TestSupport::freshDirectory(QStringLiteral("long"));
    const QString path = folder + QStringLiteral("/long.wav");
    // 601 s at 1 kHz, 8-bit: small on disk, too long to decode.
    ASSERT_TRUE(writeAudio(path, SF_FORMAT_WAV | SF_FORMAT_PCM_U8, 1000, 1,
                           std::vector<short>(601000, 0)));
    AudioDataInfo info = sentinelRecord();
    EXPECT_EQ(ZQAudioUtil::decodeAudioDataFromFile(path, info), ZQAudioUtil::StatusTooLong);
    expectUntouched(info);
}

TEST(AudioUtil, SampleExtractionHonoursSizeAndData)
{
    AudioDataInfo info;
    info.data = QByteArray("\x01\x00\xff\xff\x7f", 5);
    info.size = 5;  // odd: the last byte is ignored
    EXPECT_EQ(ZQAudioUtil::getAudioDataShortForByte(info), (std::vector<qint16>{1, -1}));
    info.size = 1;
    EXPECT_TRUE(ZQAudioUtil::getAudioDataShortForByte(info).empty());
    info.size = 4000;  // claims more than the block holds
    EXPECT_EQ(ZQAudioUtil::getAudioDataShortForByte(info).size(), 2u);
}

TEST(AudioUtil, WaveReaderWalksChunksAndBoundsTheData)
{
    const QString folder = TestSupport::freshDirectory(QStringLiteral("wave"));
    const QByteArray samples("\x10\x00\x20\x00\x30\x00\x40\x00\x50\x00", 10);
    const QByteArray body = QByteArray("WAVE") + chunk("LIST", QByteArray("abc"))
        + chunk("fmt ", pcmFormat(1, 16000, 16, true)) + chunk("fact", le32(5))
        + chunk("data", samples);
    const QString walked = folder + QStringLiteral("/walked.wav");
    writeBytes(walked, QByteArray("RIFF") + le32(quint32(body.size())) + body);

    AudioDataInfo info;
    ASSERT_TRUE(ZQAudioUtil::decodeWaveData(walked, info));
    EXPECT_EQ(info.format_length, 18u);
    EXPECT_EQ(info.format_tag, 1u);
    EXPECT_EQ(info.channels, 1);
    EXPECT_EQ(info.sample_rate, 16000u);
    EXPECT_EQ(info.avg_bytes_sec, 32000u);
    EXPECT_EQ(info.block_align, 2);
    EXPECT_EQ(info.bits_per_sample, 16);
    EXPECT_EQ(info.size, 10);
    EXPECT_EQ(info.data, samples);

    // A data length beyond the end of the file is cut to what the file holds.
    const QByteArray truncatedBody = QByteArray("WAVE") + chunk("fmt ", pcmFormat(2, 8000, 16, false))
        + chunk("data", samples, 1000000);
    const QString truncated = folder + QStringLiteral("/truncated.wav");
    writeBytes(truncated, QByteArray("RIFF") + le32(1000000) + truncatedBody);
    AudioDataInfo cut;
    ASSERT_TRUE(ZQAudioUtil::decodeWaveData(truncated, cut));
    EXPECT_EQ(cut.channels, 2);
    EXPECT_EQ(cut.size, 10);
    EXPECT_EQ(cut.data, samples);

    // A file written by libsndfile reads back as stored.
    const QString standard = folder + QStringLiteral("/standard.wav");
    const std::vector<short> pcm = pattern(777);
    ASSERT_TRUE(writeAudio(standard, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 22050, 1, pcm));
    AudioDataInfo stored;
    ASSERT_TRUE(ZQAudioUtil::decodeWaveData(standard, stored));
    EXPECT_EQ(stored.sample_rate, 22050u);
    ASSERT_EQ(stored.size, 2 * 777);
    EXPECT_EQ(ZQAudioUtil::getAudioDataShortForByte(stored), std::vector<qint16>(pcm.begin(), pcm.end()));
}

TEST(AudioUtil, WaveReaderRejectsMalformedFilesUntouched)
{
    const QString folder = TestSupport::freshDirectory(QStringLiteral("wavebad"));
    const QString notRiff = folder + QStringLiteral("/notriff.wav");
    writeBytes(notRiff, QByteArray("RIFX") + le32(4) + QByteArray("WAVE"));
    const QString noFormat = folder + QStringLiteral("/noformat.wav");
    writeBytes(noFormat, QByteArray("RIFF") + le32(16) + QByteArray("WAVE") + chunk("data", "\x01\x02"));
    const QString shortFormat = folder + QStringLiteral("/shortfmt.wav");
    writeBytes(shortFormat, QByteArray("RIFF") + le32(16) + QByteArray("WAVE") + chunk("fmt ", le32(1)));

    for (const QString &path : {notRiff, noFormat, shortFormat}) {
        SCOPED_TRACE(path.toStdString());
        AudioDataInfo info = sentinelRecord();
        testing::internal::CaptureStdout();
        EXPECT_FALSE(ZQAudioUtil::decodeWaveData(path, info));
        EXPECT_EQ(testing::internal::GetCapturedStdout(), "Error\n");
        expectUntouched(info);
    }
    AudioDataInfo missing = sentinelRecord();
    EXPECT_FALSE(ZQAudioUtil::decodeWaveData(folder + QStringLiteral("/none.wav"), missing));
    expectUntouched(missing);
}
