#include "AudioClip.h"

#include <QFile>
#include <QFileInfo>

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {
void setError(QString *error, const QString &message)
{
    if (error)
        *error = message;
}
}

AudioClip::AudioClip(std::vector<float> samples, int sampleRate, int channels)
    : m_samples(std::move(samples)), m_sampleRate(qMax(1, sampleRate)), m_channels(qMax(1, channels))
{
    m_samples.resize(m_samples.size() - m_samples.size() % size_t(m_channels));
}

std::shared_ptr<const AudioClip> AudioClip::fromFile(const QString &path, QString *error)
{
    if (!QFileInfo(path).isFile()) {
        setError(error, QStringLiteral("audio file %1 does not exist").arg(path));
        return nullptr;
    }
    SF_INFO info{};
    SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (!file) {
        setError(error, QStringLiteral("audio file %1 cannot be decoded (not a sound file in a known format)")
                            .arg(path));
        return nullptr;
    }
    if (info.channels < 1 || info.channels > 8 || info.samplerate < 1000 || info.samplerate > 384000) {
        sf_close(file);
        setError(error, QStringLiteral("audio file %1 has an unusable format (%2 Hz, %3 channels)")
                            .arg(path)
                            .arg(info.samplerate)
                            .arg(info.channels));
        return nullptr;
    }
    // The frame count of compressed formats is an estimate, so read until the decoder
    // stops rather than trusting it.
    std::vector<float> samples;
    const sf_count_t chunkFrames = 8192;
    std::vector<float> chunk(size_t(chunkFrames) * size_t(info.channels));
    for (;;) {
        const sf_count_t got = sf_readf_float(file, chunk.data(), chunkFrames);
        if (got <= 0)
            break;
        samples.insert(samples.end(), chunk.begin(), chunk.begin() + got * info.channels);
    }
    const int decodeError = sf_error(file);
    const QString decodeMessage = QString::fromUtf8(sf_strerror(file));
    sf_close(file);
    if (decodeError != SF_ERR_NO_ERROR && samples.empty()) {
        setError(error, QStringLiteral("audio file %1 cannot be decoded: %2").arg(path, decodeMessage));
        return nullptr;
    }
    if (samples.empty()) {
        setError(error, QStringLiteral("audio file %1 holds no samples").arg(path));
        return nullptr;
    }
    // A damaged file can decode to samples far outside -1..1 (a broken MP3 frame gave
    // values near 25) or to non-numbers: hold them to the range the outputs expect.
    for (float &sample : samples)
        sample = std::isfinite(sample) ? std::clamp(sample, -1.0f, 1.0f) : 0.0f;
    return std::make_shared<const AudioClip>(std::move(samples), info.samplerate, info.channels);
}
