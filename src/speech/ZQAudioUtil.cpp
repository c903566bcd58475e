#include "ZQAudioUtil.h"

#include "platform/foundation/ZQLog.h"
#include "platform/media/AudioFileReader.h"

#include <QFile>
#include <QtEndian>

#include <sndfile.h>

#include <algorithm>
#include <cstdio>
#include <limits>

static_assert(ZQAudioUtil::kTargetSampleRate == AudioFileReader::kSpeechSampleRate);

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

StreamDescription describe(const AudioFileReader &reader)
{
    StreamDescription d;
    d.sampleRate = reader.sampleRate();
    d.channelsPerFrame = quint32(reader.channels());
    const int subtype = reader.sndfileFormat() & SF_FORMAT_SUBMASK;
    auto linear = [&](quint32 bits, quint32 flags, quint32 formatID) {
        d.formatID = formatID;
        d.bitsPerChannel = bits;
        d.formatFlags = flags | kFlagIsPacked;
        if (reader.rawDataNeedsEndSwap())
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
    if ((reader.sndfileFormat() & SF_FORMAT_TYPEMASK) == SF_FORMAT_FLAC) {
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

void logFormat(const QString &path, const StreamDescription &format)
{
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
}

qint32 reportOpenFailure(const AudioFileReader &reader, const QString &path)
{
    if (reader.status() == AudioFileReader::Status::BadFormat) {
        ZQLog::log(QStringLiteral(" can not get property of kExtAudioFileProperty_FileDataFormat "
                                  "from the file: %1")
                       .arg(path),
                   kErrorLevel);
        return ZQAudioUtil::StatusBadFormat;
    }
    ZQLog::log(QStringLiteral(" can not open the file: %1 (%2)").arg(path, reader.reason()),
               kErrorLevel);
    return reader.sndfileError() != 0 ? reader.sndfileError() : ZQAudioUtil::StatusOpenFailed;
}

qint32 reportReadFailure(const AudioFileReader &reader, const QString &path)
{
    if (reader.status() == AudioFileReader::Status::ResamplerFailed) {
        ZQLog::log(QStringLiteral(" can not set property of kExtAudioFileProperty_ClientDataFormat"
                                  " for the file: %1 (%2)")
                       .arg(path, reader.reason()),
                   kErrorLevel);
        return ZQAudioUtil::StatusConverterFailed;
    }
    qint32 status = ZQAudioUtil::StatusConverterFailed;
    QString reason = reader.reason();
    if (reader.status() == AudioFileReader::Status::ReadFailed) {
        status = ZQAudioUtil::StatusReadFailed;
    } else if (reader.status() == AudioFileReader::Status::TooLong) {
        status = ZQAudioUtil::StatusTooLong;
        reason = QStringLiteral("longer than %1 seconds").arg(ZQAudioUtil::kMaxDurationSeconds);
    }
    ZQLog::log(QStringLiteral(" can not read data from the file: %1 (%2)").arg(path, reason),
               kErrorLevel);
    return status;
}

// The header's length decides before anything is decoded; a file that does not state its
// length is bounded while it is read.
bool statedTooLong(const AudioFileReader &reader, const QString &path)
{
    if (reader.frameCount() <= ZQAudioUtil::kMaxDurationSeconds * reader.sampleRate())
        return false;
    ZQLog::log(QStringLiteral(" can not decode the file, it is longer than %1 seconds: %2")
                   .arg(ZQAudioUtil::kMaxDurationSeconds)
                   .arg(path),
               kErrorLevel);
    return true;
}

QByteArray littleEndianBytes(const std::vector<qint16> &samples)
{
    QByteArray bytes(qsizetype(samples.size()) * 2, Qt::Uninitialized);
    char *out = bytes.data();
    for (size_t i = 0; i < samples.size(); ++i)
        qToLittleEndian<qint16>(samples[i], out + 2 * i);
    return bytes;
}

} // namespace

qint32 ZQAudioUtil::decodeAudioDataFromFile(const QString &path, AudioDataInfo &info)
{
    AudioFileReader reader;
    if (!reader.open(path))
        return reportOpenFailure(reader, path);
    const StreamDescription format = describe(reader);
    logFormat(path, format);
    if (statedTooLong(reader, path))
        return StatusTooLong;

    std::vector<qint16> samples;
    if (!reader.readSpeechSamples(&samples, kMaxDurationSeconds * kTargetSampleRate))
        return reportReadFailure(reader, path);

    // A compressed format has no fixed frame size; it counts as 8 bits per channel.
    const quint32 bitsPerChannel = format.bytesPerFrame == 0 ? 8 : format.bitsPerChannel;
    const int channels = reader.channels();
    info.sample_rate = quint64(reader.sampleRate());
    info.format_tag = format.formatID;
    info.channels = qint16(std::min(channels, int(std::numeric_limits<qint16>::max())));
    info.bits_per_sample = qint16(std::min<qint64>(qint64(bitsPerChannel) * channels,
                                                   std::numeric_limits<qint16>::max()));
    info.data = littleEndianBytes(samples);
    info.size = qint32(info.data.size());
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

// The 16 bytes of a PCM "fmt " chunk of `length` bytes, read at the file's position.
bool readFormatChunk(QFile &file, qint64 length, AudioDataInfo &result)
{
    const QByteArray fmt = file.read(16);
    if (length < 16 || fmt.size() < 16)
        return false;
    const char *p = fmt.constData();
    result.format_length = quint64(length);
    result.format_tag = qFromLittleEndian<quint16>(p);
    result.channels = qFromLittleEndian<qint16>(p + 2);
    result.sample_rate = qFromLittleEndian<quint32>(p + 4);
    result.avg_bytes_sec = qFromLittleEndian<quint32>(p + 8);
    result.block_align = qFromLittleEndian<qint16>(p + 12);
    result.bits_per_sample = qFromLittleEndian<qint16>(p + 14);
    return true;
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
            if (!readFormatChunk(file, length, result))
                return waveError(path, QStringLiteral("format chunk too short"));
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
