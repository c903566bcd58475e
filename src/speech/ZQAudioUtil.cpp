#include "ZQAudioUtil.h"

#include "platform/foundation/ZQLog.h"

#include <QFile>
#include <QtEndian>

#include <sndfile.h>
#include <soxr.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <memory>

namespace {

constexpr int kErrorLevel = 2;
constexpr int kProgressLevel = 8;

// The file's format in the terms of a platform stream description; logged, and the source
// of the record's informational fields.
struct StreamDescription
{
    double sampleRate = 0;
    quint32 formatID = 0;
    quint32 formatFlags = 0;
    quint32 bytesPerPacket = 0;
    quint32 framesPerPacket = 0;
    quint32 bytesPerFrame = 0;
    quint32 channelsPerFrame = 0;
    quint32 bitsPerChannel = 0;
    quint32 reserved = 0;
};

enum : quint32 {
    kFlagIsFloat = 1,
    kFlagIsBigEndian = 2,
    kFlagIsSignedInteger = 4,
    kFlagIsPacked = 8,
};

StreamDescription describe(SNDFILE *file, const SF_INFO &info)
{
    StreamDescription d;
    d.sampleRate = info.samplerate;
    d.channelsPerFrame = quint32(info.channels);
    const int subtype = info.format & SF_FORMAT_SUBMASK;
    auto linear = [&](quint32 bits, quint32 flags, quint32 formatID) {
        d.formatID = formatID;
        d.bitsPerChannel = bits;
        d.formatFlags = flags | kFlagIsPacked;
        if (sf_command(file, SFC_RAW_DATA_NEEDS_ENDSWAP, nullptr, 0) == SF_TRUE)
            d.formatFlags |= kFlagIsBigEndian;
        d.framesPerPacket = 1;
        d.bytesPerFrame = bits / 8 * d.channelsPerFrame;
        d.bytesPerPacket = d.bytesPerFrame;
    };
    auto compressed = [&](const char (&code)[5], quint32 framesPerPacket, quint32 flags = 0) {
        d.formatID = quint32(ZQAudioUtil::fourCharCode(code));
        d.framesPerPacket = framesPerPacket;
        d.formatFlags = flags;
    };
    const quint32 lpcm = quint32(ZQAudioUtil::fourCharCode("lpcm"));
    // FLAC files carry their source sample width as subtype; the stream is compressed.
    if ((info.format & SF_FORMAT_TYPEMASK) == SF_FORMAT_FLAC) {
        compressed("flac", 0);
        return d;
    }
    switch (subtype) {
    case SF_FORMAT_PCM_S8: linear(8, kFlagIsSignedInteger, lpcm); break;
    case SF_FORMAT_PCM_U8: linear(8, 0, lpcm); break;
    case SF_FORMAT_PCM_16: linear(16, kFlagIsSignedInteger, lpcm); break;
    case SF_FORMAT_PCM_24: linear(24, kFlagIsSignedInteger, lpcm); break;
    case SF_FORMAT_PCM_32: linear(32, kFlagIsSignedInteger, lpcm); break;
    case SF_FORMAT_FLOAT: linear(32, kFlagIsFloat, lpcm); break;
    case SF_FORMAT_DOUBLE: linear(64, kFlagIsFloat, lpcm); break;
    case SF_FORMAT_ULAW: linear(8, 0, quint32(ZQAudioUtil::fourCharCode("ulaw"))); break;
    case SF_FORMAT_ALAW: linear(8, 0, quint32(ZQAudioUtil::fourCharCode("alaw"))); break;
    case SF_FORMAT_ALAC_16: compressed("alac", 4096, 1); break;
    case SF_FORMAT_ALAC_20: compressed("alac", 4096, 2); break;
    case SF_FORMAT_ALAC_24: compressed("alac", 4096, 3); break;
    case SF_FORMAT_ALAC_32: compressed("alac", 4096, 4); break;
    case SF_FORMAT_MPEG_LAYER_I: compressed(".mp1", 384); break;
    case SF_FORMAT_MPEG_LAYER_II: compressed(".mp2", 1152); break;
    case SF_FORMAT_MPEG_LAYER_III: compressed(".mp3", 1152); break;
    case SF_FORMAT_FLAC: compressed("flac", 0); break;
    case SF_FORMAT_VORBIS: compressed("vorb", 0); break;
    case SF_FORMAT_OPUS: compressed("opus", 0); break;
    default: compressed("\0\0\0\0", 0); break;
    }
    return d;
}

struct SndFileCloser
{
    void operator()(SNDFILE *file) const { sf_close(file); }
};
struct SoxrDeleter
{
    void operator()(soxr *resampler) const { soxr_delete(resampler); }
};

// Collects mono float samples as 16-bit little-endian bytes, refusing to grow past a bound.
class SampleSink
{
public:
    SampleSink(qint64 expectedSamples, qint64 maxSamples) : m_maxSamples(maxSamples)
    {
        m_bytes.reserve(qsizetype(std::clamp<qint64>(expectedSamples, 0, maxSamples) * 2));
    }

    bool append(const float *samples, size_t count)
    {
        if (qint64(count) > m_maxSamples - m_bytes.size() / 2)
            return false;
        const qsizetype start = m_bytes.size();
        m_bytes.resize(start + qsizetype(count) * 2);
        char *out = m_bytes.data() + start;
        for (size_t i = 0; i < count; ++i) {
            float scaled = samples[i] * 32768.0f;
            if (!(scaled == scaled))  // NaN
                scaled = 0.0f;
            scaled = std::clamp(scaled, -32768.0f, 32767.0f);
            qToLittleEndian<qint16>(qint16(std::lrintf(scaled)), out + 2 * i);
        }
        return true;
    }

    QByteArray take() { return std::move(m_bytes); }

private:
    QByteArray m_bytes;
    qint64 m_maxSamples;
};

} // namespace

qint32 ZQAudioUtil::decodeAudioDataFromFile(const QString &path, AudioDataInfo &info)
{
    SF_INFO sfInfo;
    std::memset(&sfInfo, 0, sizeof sfInfo);
    std::unique_ptr<SNDFILE, SndFileCloser> file(
        sf_open(QFile::encodeName(path).constData(), SFM_READ, &sfInfo));
    if (!file) {
        const int error = sf_error(nullptr);
        ZQLog::log(QStringLiteral(" can not open the file: %1 (%2)")
                       .arg(path, QString::fromUtf8(sf_strerror(nullptr))),
                   kErrorLevel);
        return error != 0 ? error : StatusOpenFailed;
    }
    if (sfInfo.channels <= 0 || sfInfo.samplerate <= 0) {
        ZQLog::log(QStringLiteral(" can not get property of kExtAudioFileProperty_FileDataFormat "
                                  "from the file: %1")
                       .arg(path),
                   kErrorLevel);
        return StatusBadFormat;
    }

    const StreamDescription format = describe(file.get(), sfInfo);
    ZQLog::log(QStringLiteral("The audio data format from the file \"%1\":\nBitsPerChannel:%2 "
                              "\nBytesPerFrame: %3 \nBytesPerPacket: %4 \nChannelsPerFrame: %5 "
                              "\nFormatFlags: %6 \nFormatID: %7 \nFramesPerPacket: %8 "
                              "\nReserved: %9 ")
                   .arg(path)
                   .arg(format.bitsPerChannel)
                   .arg(format.bytesPerFrame)
                   .arg(format.bytesPerPacket)
                   .arg(format.channelsPerFrame)
                   .arg(format.formatFlags)
                   .arg(format.formatID)
                   .arg(format.framesPerPacket)
                   .arg(format.reserved),
               kProgressLevel);

    // A compressed format has no fixed frame size; it counts as 8 bits per channel.
    const quint32 bitsPerChannel = format.bytesPerFrame == 0 ? 8 : format.bitsPerChannel;

    const qint64 rate = sfInfo.samplerate;
    const qint64 fileFrames = sfInfo.frames;
    const bool lengthKnown = fileFrames >= 0 && fileFrames != SF_COUNT_MAX;
    if (lengthKnown && fileFrames > kMaxDurationSeconds * rate) {
        ZQLog::log(QStringLiteral(" can not decode the file, it is longer than %1 seconds: %2")
                       .arg(kMaxDurationSeconds)
                       .arg(path),
                   kErrorLevel);
        return StatusTooLong;
    }

    // Expected decoded length, used only to reserve the block; what is actually decoded
    // decides its size.
    const qint64 maxSamples = kMaxDurationSeconds * kTargetSampleRate;
    const qint64 expectedSamples =
        lengthKnown ? (fileFrames * kTargetSampleRate + rate - 1) / rate : 0;
    SampleSink sink(expectedSamples, maxSamples);

    std::unique_ptr<soxr, SoxrDeleter> resampler;
    if (rate != kTargetSampleRate) {
        soxr_error_t error = nullptr;
        const soxr_io_spec_t ioSpec = soxr_io_spec(SOXR_FLOAT32_I, SOXR_FLOAT32_I);
        const soxr_quality_spec_t quality = soxr_quality_spec(SOXR_HQ, 0);
        resampler.reset(soxr_create(double(rate), double(kTargetSampleRate), 1, &error, &ioSpec,
                                    &quality, nullptr));
        if (!resampler || error) {
            ZQLog::log(QStringLiteral(" can not set property of kExtAudioFileProperty_ClientDataFormat"
                                      " for the file: %1 (%2)")
                           .arg(path, QString::fromUtf8(soxr_strerror(error))),
                       kErrorLevel);
            return StatusConverterFailed;
        }
    }

    sf_command(file.get(), SFC_SET_NORM_FLOAT, nullptr, SF_TRUE);
    const int channels = sfInfo.channels;
    // One 8192-byte transfer buffer of interleaved floats (more for files with very many
    // channels, so that one frame always fits).
    std::vector<float> interleaved(std::max<size_t>(2048, size_t(channels)));
    const sf_count_t framesPerRead = sf_count_t(interleaved.size() / size_t(channels));
    std::vector<float> mono(static_cast<size_t>(framesPerRead));
    std::vector<float> resampled(resampler ? size_t(framesPerRead * kTargetSampleRate / rate) + 256
                                           : 0);

    auto fail = [&](qint32 status, const QString &reason) {
        ZQLog::log(QStringLiteral(" can not read data from the file: %1 (%2)").arg(path, reason),
                   kErrorLevel);
        return status;
    };
    const QString tooLong = QStringLiteral("longer than %1 seconds").arg(kMaxDurationSeconds);

    // Resamples `count` mono samples (or flushes the resampler when `samples` is null).
    auto resample = [&](const float *samples, size_t count) -> bool {
        size_t offset = 0;
        for (;;) {
            size_t used = 0;
            size_t produced = 0;
            const soxr_error_t error =
                soxr_process(resampler.get(), samples ? samples + offset : nullptr, count - offset,
                             &used, resampled.data(), resampled.size(), &produced);
            if (error)
                return false;
            if (samples && used == 0 && produced == 0)
                return false;  // no progress: never spin
            offset += used;
            if (produced > 0 && !sink.append(resampled.data(), produced))
                return false;
            if (samples ? offset >= count : produced == 0)
                return true;
        }
    };

    for (;;) {
        const sf_count_t frames = sf_readf_float(file.get(), interleaved.data(), framesPerRead);
        if (frames <= 0)
            break;
        for (sf_count_t f = 0; f < frames; ++f) {
            const float *frame = interleaved.data() + f * channels;
            float sum = 0.0f;
            for (int c = 0; c < channels; ++c)
                sum += frame[c];
            mono[size_t(f)] = channels == 1 ? sum : sum / float(channels);
        }
        if (resampler) {
            if (!resample(mono.data(), size_t(frames)))
                return soxr_error(resampler.get())
                    ? fail(StatusConverterFailed, QString::fromUtf8(soxr_error(resampler.get())))
                    : fail(StatusTooLong, tooLong);
        } else if (!sink.append(mono.data(), size_t(frames))) {
            return fail(StatusTooLong, tooLong);
        }
    }
    if (sf_error(file.get()) != SF_ERR_NO_ERROR)
        return fail(StatusReadFailed, QString::fromUtf8(sf_strerror(file.get())));
    if (resampler && !resample(nullptr, 0))
        return fail(StatusConverterFailed, QStringLiteral("flushing the resampler failed"));

    QByteArray bytes = sink.take();
    info.sample_rate = quint64(rate);
    info.format_tag = format.formatID;
    info.channels = qint16(std::min(channels, int(std::numeric_limits<qint16>::max())));
    info.bits_per_sample = qint16(std::min<qint64>(qint64(bitsPerChannel) * channels,
                                                   std::numeric_limits<qint16>::max()));
    info.size = qint32(bytes.size());
    info.data = std::move(bytes);
    ZQLog::log(QStringLiteral("The sum of %1 data, have read %2 from the file: %3")
                   .arg(info.size)
                   .arg(info.data.size())
                   .arg(path),
               kProgressLevel);
    return StatusOk;
}

std::vector<qint16> ZQAudioUtil::getAudioDataShortForByte(const AudioDataInfo &info)
{
    const qsizetype bytes = std::clamp<qsizetype>(info.size, 0, info.data.size());
    std::vector<qint16> samples(size_t(bytes / 2));
    const char *in = info.data.constData();
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = qFromLittleEndian<qint16>(in + 2 * i);
    return samples;
}

namespace {
bool waveError(const QString &path, const QString &reason)
{
    std::fputs("Error\n", stdout);
    std::fflush(stdout);
    ZQLog::log(QStringLiteral(" can not read the WAVE file %1: %2").arg(path, reason), kErrorLevel);
    return false;
}
}

bool ZQAudioUtil::decodeWaveData(const QString &path, AudioDataInfo &info)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ZQLog::log(QStringLiteral(" can not open the file: %1").arg(path), kErrorLevel);
        return false;
    }
    const qint64 fileSize = file.size();
    const QByteArray header = file.read(12);
    if (header.size() < 12 || !header.startsWith("RIFF") || header.mid(8, 4) != "WAVE")
        return waveError(path, QStringLiteral("not a RIFF/WAVE file"));

    AudioDataInfo result;
    bool haveFormat = false;
    qint64 position = 12;
    while (position + 8 <= fileSize) {
        if (!file.seek(position))
            break;
        const QByteArray chunkHeader = file.read(8);
        if (chunkHeader.size() < 8)
            break;
        const QByteArray id = chunkHeader.left(4);
        const qint64 length = qFromLittleEndian<quint32>(chunkHeader.constData() + 4);
        const qint64 payload = position + 8;
        if (id == "fmt ") {
            const QByteArray fmt = file.read(16);
            if (length < 16 || fmt.size() < 16)
                return waveError(path, QStringLiteral("format chunk too short"));
            const char *p = fmt.constData();
            result.format_length = quint64(length);
            result.format_tag = qFromLittleEndian<quint16>(p);
            result.channels = qFromLittleEndian<qint16>(p + 2);
            result.sample_rate = qFromLittleEndian<quint32>(p + 4);
            result.avg_bytes_sec = qFromLittleEndian<quint32>(p + 8);
            result.block_align = qFromLittleEndian<qint16>(p + 12);
            result.bits_per_sample = qFromLittleEndian<qint16>(p + 14);
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat)
                return waveError(path, QStringLiteral("data chunk before the format chunk"));
            // The declared length is only trusted as far as the file goes.
            const qint64 available = std::min(length, fileSize - payload);
            if (available > std::numeric_limits<qint32>::max()
                || (result.avg_bytes_sec > 0
                    && quint64(available) > result.avg_bytes_sec * quint64(kMaxDurationSeconds)))
                return waveError(path, QStringLiteral("longer than %1 seconds").arg(kMaxDurationSeconds));
            QByteArray data = file.read(available);
            if (data.size() != available)
                return waveError(path, QStringLiteral("read failed"));
            result.size = qint32(data.size());
            result.data = std::move(data);
            info = std::move(result);
            return true;
        }
        // Chunks are padded to an even length.
        position = payload + length + (length & 1);
    }
    return waveError(path, haveFormat ? QStringLiteral("no data chunk")
                                      : QStringLiteral("no format chunk"));
}
