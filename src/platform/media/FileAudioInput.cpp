#include "FileAudioInput.h"

#include "AudioClip.h"
#include "platform/foundation/Clock.h"
#include "MediaTimer.h"

#include <soxr.h>

#include <algorithm>
#include <cmath>

FileAudioInput::FileAudioInput(const QString &path, QObject *parent)
    : AudioInput(parent), m_path(path), m_timer(new MediaTimer(this))
{
    m_timer->setInterval(10);
    connect(m_timer, &MediaTimer::timeout, this, &FileAudioInput::tick);
}

FileAudioInput::~FileAudioInput() = default;

bool FileAudioInput::loadSamples(const QString &path, std::vector<qint16> *samples, QString *error)
{
    QString message;
    const std::shared_ptr<const AudioClip> clip = AudioClip::fromFile(path, &message);
    if (!clip) {
        if (error)
            *error = QStringLiteral("microphone file: %1").arg(message);
        return false;
    }
    const int channels = clip->channels();
    const qint64 frames = clip->frameCount();
    std::vector<float> mono(size_t(frames), 0.0f);
    for (qint64 f = 0; f < frames; ++f) {
        float sum = 0.0f;
        for (int c = 0; c < channels; ++c)
            sum += clip->samples()[size_t(f * channels + c)];
        mono[size_t(f)] = sum / float(channels);
    }
    std::vector<float> resampled;
    if (clip->sampleRate() == sampleRate()) {
        resampled = std::move(mono);
    } else {
        const size_t room = size_t(double(frames) * sampleRate() / clip->sampleRate()) + 16;
        resampled.resize(room);
        size_t produced = 0;
        const soxr_error_t soxrError = soxr_oneshot(clip->sampleRate(), sampleRate(), 1, mono.data(),
                                                    size_t(frames), nullptr, resampled.data(), room,
                                                    &produced, nullptr, nullptr, nullptr);
        if (soxrError) {
            if (error)
                *error = QStringLiteral("microphone file %1 cannot be resampled: %2")
                             .arg(path, QString::fromUtf8(soxrError));
            return false;
        }
        resampled.resize(produced);
    }
    samples->resize(resampled.size());
    std::transform(resampled.begin(), resampled.end(), samples->begin(), [](float value) {
        return qint16(std::lround(std::clamp(value, -1.0f, 32767.0f / 32768.0f) * 32768.0f));
    });
    return true;
}

bool FileAudioInput::start(Sink sink, QString *error)
{
    if (!loadSamples(m_path, &m_samples, error))
        return false;
    m_sink = std::move(sink);
    m_originUs = m_timer->clock() ? m_timer->clock()->nowUs() : 0;
    m_delivered = 0;
    m_timer->start();
    return true;
}

void FileAudioInput::stop()
{
    if (!m_timer->isActive())
        return;
    tick();
    m_timer->stop();
}

void FileAudioInput::tick()
{
    if (!m_timer->clock() || !m_sink)
        return;
    const qint64 due = (m_timer->clock()->nowUs() - m_originUs) * sampleRate() / 1000000;
    const qint64 count = due - m_delivered;
    if (count <= 0)
        return;
    m_buffer.assign(size_t(count), 0);
    const qint64 available = qint64(m_samples.size());
    if (m_delivered < available) {
        const qint64 n = std::min(count, available - m_delivered);
        std::copy_n(m_samples.begin() + m_delivered, n, m_buffer.begin());
    }
    m_delivered = due;
    m_sink(m_buffer.data(), count);
}
