#include "AudioRenderer.h"

#include "PlaybackRate.h"

#include <soundtouch/SoundTouch.h>

#include <algorithm>
#include <chrono>
#include <cstring>

namespace {
constexpr qint64 kFeedFrames = 2048;
}

AudioRenderer::AudioRenderer(std::shared_ptr<const AudioClip> clip)
    : m_clip(std::move(clip)), m_stretcher(std::make_unique<soundtouch::SoundTouch>())
{
    m_stretcher->setSampleRate(uint(m_clip->sampleRate()));
    m_stretcher->setChannels(uint(m_clip->channels()));
    m_stretcher->setPitch(1.0);
    m_stretcher->setRate(1.0);
    m_stretcher->setTempo(1.0);
}

AudioRenderer::~AudioRenderer() = default;

bool AudioRenderer::exhausted() const
{
    std::lock_guard lock(m_mutex);
    return m_exhausted;
}

double AudioRenderer::setRate(double rate)
{
    std::lock_guard lock(m_mutex);
    m_rate = PlaybackRate::bounded(rate);
    m_stretcher->setTempo(m_rate);
    return m_rate;
}

double AudioRenderer::rate() const
{
    std::lock_guard lock(m_mutex);
    return m_rate;
}

void AudioRenderer::setVolume(float volume)
{
    std::lock_guard lock(m_mutex);
    m_volume = std::clamp(volume, 0.0f, 1.0f);
}

float AudioRenderer::volume() const
{
    std::lock_guard lock(m_mutex);
    return m_volume;
}

void AudioRenderer::setNumberOfLoops(int loops)
{
    std::lock_guard lock(m_mutex);
    // Loops already played stay played: the change applies to what is still to come.
    const int played = m_loops < 0 ? 0 : m_loops - m_loopsLeft;
    m_loops = loops;
    m_loopsLeft = loops < 0 ? -1 : qMax(0, loops - played);
}

int AudioRenderer::numberOfLoops() const
{
    std::lock_guard lock(m_mutex);
    return m_loops;
}

double AudioRenderer::currentTime() const
{
    std::lock_guard lock(m_mutex);
    double frames = double(m_sourcePos);
    if (m_stretching) {
        // Samples still inside the stretcher have been read from the source but not heard.
        frames -= double(m_stretcher->numUnprocessedSamples())
            + double(m_stretcher->numSamples()) * m_rate;
    }
    const double frameCount = double(m_clip->frameCount());
    if (m_exhausted)
        frames = frameCount;
    return std::clamp(frames, 0.0, frameCount) / m_clip->sampleRate();
}

void AudioRenderer::setCurrentTime(double seconds)
{
    std::lock_guard lock(m_mutex);
    const qint64 frame = qint64(qMax(0.0, seconds) * m_clip->sampleRate());
    m_sourcePos = std::min(frame, m_clip->frameCount());
    m_exhausted = false;
    resetStretcher();
}

void AudioRenderer::rewind()
{
    std::lock_guard lock(m_mutex);
    m_sourcePos = 0;
    m_loopsLeft = m_loops < 0 ? -1 : m_loops;
    m_exhausted = false;
    resetStretcher();
}

void AudioRenderer::resetStretcher()
{
    m_stretcher->clear();
    m_stretching = false;
    m_flushed = false;
}

bool AudioRenderer::atSourceEnd() const
{
    return m_sourcePos >= m_clip->frameCount() && m_loopsLeft == 0;
}

qint64 AudioRenderer::render(float *out, qint64 frames)
{
    std::lock_guard lock(m_mutex);
    if (frames <= 0 || m_exhausted)
        return 0;
    if (!m_stretching && m_rate != 1.0)
        m_stretching = true;
    const qint64 written = m_stretching ? renderStretched(out, frames) : copyDirect(out, frames);
    if (written < frames)
        m_exhausted = true;
    if (m_volume != 1.0f) {
        const qint64 count = written * m_clip->channels();
        for (qint64 i = 0; i < count; ++i)
            out[i] *= m_volume;
    }
    if (written > 0 && m_firstRenderNs.load() == 0) {
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        m_firstRenderNs.store(qMax<qint64>(1, std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
    }
    return written;
}

qint64 AudioRenderer::copyDirect(float *out, qint64 frames)
{
    const int channels = m_clip->channels();
    const qint64 total = m_clip->frameCount();
    const float *source = m_clip->samples().data();
    qint64 written = 0;
    while (written < frames) {
        if (m_sourcePos >= total) {
            if (m_loopsLeft == 0)
                break;
            if (m_loopsLeft > 0)
                --m_loopsLeft;
            m_sourcePos = 0;
        }
        const qint64 n = std::min(frames - written, total - m_sourcePos);
        std::memcpy(out + written * channels, source + m_sourcePos * channels,
                    size_t(n * channels) * sizeof(float));
        written += n;
        m_sourcePos += n;
    }
    return written;
}

bool AudioRenderer::feedStretcher()
{
    const int channels = m_clip->channels();
    const qint64 total = m_clip->frameCount();
    if (m_sourcePos >= total) {
        if (m_loopsLeft == 0)
            return false;
        if (m_loopsLeft > 0)
            --m_loopsLeft;
        m_sourcePos = 0;
    }
    const qint64 n = std::min(kFeedFrames, total - m_sourcePos);
    m_stretcher->putSamples(m_clip->samples().data() + m_sourcePos * channels, uint(n));
    m_sourcePos += n;
    return true;
}

qint64 AudioRenderer::renderStretched(float *out, qint64 frames)
{
    const int channels = m_clip->channels();
    qint64 written = 0;
    while (written < frames) {
        const uint want = uint(std::min<qint64>(frames - written, 1 << 20));
        written += m_stretcher->receiveSamples(out + written * channels, want);
        if (written >= frames)
            break;
        if (m_flushed) {
            if (m_stretcher->numSamples() == 0)
                break;
            continue;
        }
        if (!feedStretcher()) {
            // The source is used up: push the stretcher's tail out, then drain it.
            m_stretcher->flush();
            m_flushed = true;
        }
    }
    return written;
}
