#include "AudioFileReader.h"

#include <QFile>
#include <QFileInfo>

#include <sndfile.h>
#include <soxr.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

struct SoxrDeleter
{
    void operator()(soxr *resampler) const { soxr_delete(resampler); }
};

// Turns blocks of interleaved float frames into speech samples: mean of the channels,
// resampled to the speech rate when needed, rounded to 16 bits, appended to `out` up to a
// bound.
class SpeechConverter
{
public:
    enum class Result { Ok, TooLong, ResampleFailed };

    SpeechConverter(std::vector<qint16> *out, qint64 maxSamples, int channels)
        : m_out(out), m_maxSamples(maxSamples), m_channels(channels)
    {
    }

    // False when the resampler cannot be made (the error says why).
    bool setRate(int sampleRate, QString *error)
    {
        if (sampleRate == AudioFileReader::kSpeechSampleRate)
            return true;
        soxr_error_t failure = nullptr;
        const soxr_io_spec_t io = soxr_io_spec(SOXR_FLOAT32_I, SOXR_FLOAT32_I);
        const soxr_quality_spec_t quality = soxr_quality_spec(SOXR_HQ, 0);
        m_resampler.reset(soxr_create(double(sampleRate), double(AudioFileReader::kSpeechSampleRate),
                                      1, &failure, &io, &quality, nullptr));
        if (!m_resampler || failure) {
            *error = QString::fromUtf8(failure ? failure : "no resampler");
            return false;
        }
        m_rate = sampleRate;
        return true;
    }

    Result convert(const float *interleaved, size_t frames)
    {
        m_mono.resize(frames);
        for (size_t f = 0; f < frames; ++f) {
            const float *frame = interleaved + f * size_t(m_channels);
            float sum = 0.0f;
            for (int c = 0; c < m_channels; ++c)
                sum += frame[c];
            m_mono[f] = m_channels == 1 ? sum : sum / float(m_channels);
        }
        if (!m_resampler)
            return append(m_mono.data(), frames) ? Result::Ok : Result::TooLong;
        return resample(m_mono.data(), frames);
    }

    // Hands out what the resampler still holds once the input has ended.
    Result finish() { return m_resampler ? resample(nullptr, 0) : Result::Ok; }

    QString resamplerError() const
    {
        const soxr_error_t failure = m_resampler ? soxr_error(m_resampler.get()) : nullptr;
        return QString::fromUtf8(failure ? failure : "the resampler made no progress");
    }

private:
    bool append(const float *samples, size_t count)
    {
        if (qint64(count) > m_maxSamples - qint64(m_out->size()))
            return false;
        const size_t start = m_out->size();
        m_out->resize(start + count);
        for (size_t i = 0; i < count; ++i) {
            float scaled = samples[i] * 32768.0f;
            if (std::isnan(scaled))
                scaled = 0.0f;
            scaled = std::clamp(scaled, -32768.0f, 32767.0f);
            (*m_out)[start + i] = qint16(std::lrintf(scaled));
        }
        return true;
    }

    // `samples` null flushes the resampler.
    Result resample(const float *samples, size_t count)
    {
        m_resampled.resize(count * AudioFileReader::kSpeechSampleRate / size_t(m_rate) + 256);
        size_t offset = 0;
        for (;;) {
            size_t used = 0;
            size_t produced = 0;
            if (soxr_process(m_resampler.get(), samples ? samples + offset : nullptr, count - offset,
                             &used, m_resampled.data(), m_resampled.size(), &produced))
                return Result::ResampleFailed;
            if (samples && used == 0 && produced == 0)
                return Result::ResampleFailed;  // no progress: never spin
            offset += used;
            if (produced > 0 && !append(m_resampled.data(), produced))
                return Result::TooLong;
            if (samples ? offset >= count : produced == 0)
                return Result::Ok;
        }
    }

    std::vector<qint16> *m_out;
    qint64 m_maxSamples;
    int m_channels;
    int m_rate = AudioFileReader::kSpeechSampleRate;
    std::unique_ptr<soxr, SoxrDeleter> m_resampler;
    std::vector<float> m_mono;
    std::vector<float> m_resampled;
};

} // namespace

void AudioFileReader::FileCloser::operator()(sf_private_tag *file) const
{
    sf_close(file);
}

AudioFileReader::AudioFileReader() = default;
AudioFileReader::~AudioFileReader() = default;

QString AudioFileReader::errorString() const
{
    return m_reason.isEmpty() ? QString() : QStringLiteral("audio file %1 %2").arg(m_path, m_reason);
}

bool AudioFileReader::fail(Status status, const QString &reason)
{
    m_status = status;
    m_reason = reason;
    return false;
}

bool AudioFileReader::open(const QString &path)
{
    m_path = path;
    SF_INFO info{};
    m_file.reset(sf_open(QFile::encodeName(path).constData(), SFM_READ, &info));
    if (!m_file) {
        m_sndfileError = sf_error(nullptr);
        if (!QFileInfo(path).isFile())
            return fail(Status::OpenFailed, QStringLiteral("does not exist"));
        return fail(Status::OpenFailed, QStringLiteral("cannot be decoded (not a sound file in a "
                                                       "known format: %1)")
                                            .arg(QString::fromUtf8(sf_strerror(nullptr))));
    }
    m_sampleRate = info.samplerate;
    m_channels = info.channels;
    m_format = info.format;
    m_frames = info.frames >= 0 && info.frames != SF_COUNT_MAX ? qint64(info.frames) : -1;
    if (m_channels <= 0 || m_sampleRate <= 0)
        return fail(Status::BadFormat, QStringLiteral("has an unusable format (%1 Hz, %2 channels)")
                                           .arg(m_sampleRate)
                                           .arg(m_channels));
    sf_command(m_file.get(), SFC_SET_NORM_FLOAT, nullptr, SF_TRUE);
    return true;
}

bool AudioFileReader::rawDataNeedsEndSwap() const
{
    return m_file && sf_command(m_file.get(), SFC_RAW_DATA_NEEDS_ENDSWAP, nullptr, 0) == SF_TRUE;
}

bool AudioFileReader::readInterleaved(std::vector<float> *samples)
{
    if (!m_file)
        return fail(Status::ReadFailed, QStringLiteral("is not open"));
    // The frame count of compressed formats is an estimate, so read until the decoder
    // stops rather than trusting it.
    const sf_count_t chunkFrames = 8192;
    std::vector<float> chunk(size_t(chunkFrames) * size_t(m_channels));
    for (;;) {
        const sf_count_t got = sf_readf_float(m_file.get(), chunk.data(), chunkFrames);
        if (got <= 0)
            break;
        samples->insert(samples->end(), chunk.begin(), chunk.begin() + got * m_channels);
    }
    m_sndfileError = sf_error(m_file.get());
    if (m_sndfileError != SF_ERR_NO_ERROR)
        return fail(Status::ReadFailed, QStringLiteral("cannot be decoded: %1")
                                            .arg(QString::fromUtf8(sf_strerror(m_file.get()))));
    return true;
}

bool AudioFileReader::readSpeechSamples(std::vector<qint16> *samples, qint64 maxSamples)
{
    if (!m_file)
        return fail(Status::ReadFailed, QStringLiteral("is not open"));
    const qint64 limit = maxSamples > 0 ? maxSamples : std::numeric_limits<qint64>::max();
    SpeechConverter converter(samples, limit, m_channels);
    QString failure;
    if (!converter.setRate(m_sampleRate, &failure))
        return fail(Status::ResamplerFailed, QStringLiteral("cannot be resampled: %1").arg(failure));
    if (m_frames > 0) {
        const qint64 expected = (m_frames * kSpeechSampleRate + m_sampleRate - 1) / m_sampleRate;
        samples->reserve(samples->size() + size_t(std::min(expected, limit)));
    }

    // One 8192-byte transfer buffer of floats (more for files with very many channels, so
    // that one frame always fits).
    std::vector<float> interleaved(std::max<size_t>(2048, size_t(m_channels)));
    const sf_count_t framesPerRead = sf_count_t(interleaved.size() / size_t(m_channels));
    auto failed = [&](SpeechConverter::Result result) {
        if (result == SpeechConverter::Result::TooLong)
            return fail(Status::TooLong, QStringLiteral("holds more than %1 samples at 16 kHz").arg(limit));
        return fail(Status::ResampleFailed,
                    QStringLiteral("cannot be resampled: %1").arg(converter.resamplerError()));
    };
    for (;;) {
        const sf_count_t frames = sf_readf_float(m_file.get(), interleaved.data(), framesPerRead);
        if (frames <= 0)
            break;
        const SpeechConverter::Result result = converter.convert(interleaved.data(), size_t(frames));
        if (result != SpeechConverter::Result::Ok)
            return failed(result);
    }
    // What was decoded before a decoding error is converted completely all the same.
    m_sndfileError = sf_error(m_file.get());
    const SpeechConverter::Result flushed = converter.finish();
    if (m_sndfileError != SF_ERR_NO_ERROR)
        return fail(Status::ReadFailed, QStringLiteral("cannot be decoded: %1")
                                            .arg(QString::fromUtf8(sf_strerror(m_file.get()))));
    if (flushed != SpeechConverter::Result::Ok)
        return failed(flushed);
    return true;
}
