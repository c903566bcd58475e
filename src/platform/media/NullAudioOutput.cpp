#include "NullAudioOutput.h"

#include "AudioCapture.h"
#include "AudioRenderer.h"
#include "platform/foundation/Clock.h"
#include "MediaTimer.h"

NullAudioOutput::NullAudioOutput(std::shared_ptr<AudioRenderer> renderer, QObject *parent)
    : AudioOutput(std::move(renderer), parent), m_tickTimer(new MediaTimer(this)),
      m_drainTimer(new MediaTimer(this))
{
    m_tickTimer->setInterval(periodMs());
    connect(m_tickTimer, &MediaTimer::timeout, this, &NullAudioOutput::tick);
    m_drainTimer->setSingleShot(true);
    connect(m_drainTimer, &MediaTimer::timeout, this, &NullAudioOutput::drained);
}

NullAudioOutput::~NullAudioOutput() = default;

qint64 NullAudioOutput::framesIn(qint64 microseconds) const
{
    return microseconds * m_renderer->sampleRate() / 1000000;
}

qint64 NullAudioOutput::microsecondsOf(qint64 frames) const
{
    return (frames * 1000000 + m_renderer->sampleRate() - 1) / m_renderer->sampleRate();
}

bool NullAudioOutput::start()
{
    stop();
    m_running = true;
    m_sourceDone = false;
    m_originUs = m_tickTimer->clock() ? m_tickTimer->clock()->nowUs() : 0;
    m_segmentFrames = 0;
    tick();
    if (m_running && !m_sourceDone)
        m_tickTimer->start();
    return true;
}

void NullAudioOutput::suspend()
{
    if (!m_running)
        return;
    // Frames already handed over but not yet "heard" carry over into the next segment.
    const qint64 now = m_tickTimer->clock() ? m_tickTimer->clock()->nowUs() : m_originUs;
    const qint64 heard = qMin(m_segmentFrames, framesIn(now - m_originUs));
    m_segmentFrames -= heard;
    m_running = false;
    m_tickTimer->stop();
    m_drainTimer->stop();
}

void NullAudioOutput::resume()
{
    if (m_running)
        return;
    m_running = true;
    m_originUs = m_tickTimer->clock() ? m_tickTimer->clock()->nowUs() : 0;
    if (m_sourceDone) {
        scheduleDrain();
    } else {
        tick();
        if (m_running && !m_sourceDone)
            m_tickTimer->start();
    }
}

void NullAudioOutput::stop()
{
    m_running = false;
    m_tickTimer->stop();
    m_drainTimer->stop();
}

void NullAudioOutput::scheduleDrain()
{
    const qint64 now = m_tickTimer->clock() ? m_tickTimer->clock()->nowUs() : m_originUs;
    const qint64 endUs = m_originUs + microsecondsOf(m_segmentFrames);
    m_drainTimer->startMicroseconds(qMax<qint64>(0, endUs - now));
}

void NullAudioOutput::tick()
{
    if (!m_running || m_sourceDone || !m_tickTimer->clock())
        return;
    const qint64 now = m_tickTimer->clock()->nowUs();
    const qint64 period = framesIn(qint64(periodMs()) * 1000);
    const qint64 target = framesIn(now - m_originUs) + period;
    const int channels = m_renderer->channels();
    while (m_segmentFrames < target) {
        const qint64 want = qMin<qint64>(target - m_segmentFrames, 8192);
        m_buffer.resize(size_t(want * channels));
        const qint64 got = m_renderer->render(m_buffer.data(), want);
        if (got > 0)
            AudioCapture::instance().write(m_buffer.data(), got, m_renderer->sampleRate(), channels);
        m_segmentFrames += got;
        if (got < want) {
            m_sourceDone = true;
            m_tickTimer->stop();
            scheduleDrain();
            return;
        }
    }
}
