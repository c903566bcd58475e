#include "AudioClip.h"

#include "AudioFileReader.h"

#include <algorithm>
#include <cstddef>
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
    AudioFileReader reader;
    if (!reader.open(path)) {
        setError(error, reader.errorString());
        return nullptr;
    }
    if (reader.channels() > 8 || reader.sampleRate() < 1000 || reader.sampleRate() > 384000) {
        setError(error, QStringLiteral("audio file %1 has an unusable format (%2 Hz, %3 channels)")
                            .arg(path)
                            .arg(reader.sampleRate())
                            .arg(reader.channels()));
        return nullptr;
    }
    // A file that fails part-way plays what was decoded before the fault.
    std::vector<float> samples;
    if (!reader.readInterleaved(&samples) && samples.empty()) {
        setError(error, reader.errorString());
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
    return std::make_shared<const AudioClip>(std::move(samples), reader.sampleRate(), reader.channels());
}

std::shared_ptr<const AudioClip> AudioClip::excerpt(double startSeconds, double endSeconds) const
{
    if (!(endSeconds > startSeconds))  // also a range with a non-number
        return nullptr;
    const double frames = double(frameCount());
    const double first = std::clamp(std::floor(startSeconds * m_sampleRate), 0.0, frames);
    const double last = std::clamp(std::ceil(endSeconds * m_sampleRate), 0.0, frames);
    if (last <= first)
        return nullptr;
    const auto begin = m_samples.begin() + std::ptrdiff_t(first) * m_channels;
    const auto end = m_samples.begin() + std::ptrdiff_t(last) * m_channels;
    return std::make_shared<const AudioClip>(std::vector<float>(begin, end), m_sampleRate, m_channels);
}
