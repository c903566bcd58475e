#include "DeviceAudioOutput.h"

#include "AudioRenderer.h"
#include "MediaLog.h"

#include <QAudioSink>
#include <QIODevice>
#include <QTimer>

#include <climits>

#include <algorithm>
#include <cmath>
#include <vector>

// The sink's data source: converts renderer frames into the sink's sample format.
class RendererDevice : public QIODevice
{
public:
    RendererDevice(std::shared_ptr<AudioRenderer> renderer, QAudioFormat format)
        : m_renderer(std::move(renderer)), m_format(format)
    {
    }

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override
    {
        return m_renderer->exhausted() ? QIODevice::bytesAvailable()
                                       : QIODevice::bytesAvailable() + 65536;
    }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        const int channels = m_renderer->channels();
        const qint64 bytesPerFrame = qint64(m_format.bytesPerFrame());
        const qint64 frames = maxSize / bytesPerFrame;
        if (frames <= 0)
            return 0;
        if (m_format.sampleFormat() == QAudioFormat::Float) {
            const qint64 got = m_renderer->render(reinterpret_cast<float *>(data), frames);
            m_framesDelivered += got;
            return got * bytesPerFrame;
        }
        m_buffer.resize(size_t(frames * channels));
        const qint64 got = m_renderer->render(m_buffer.data(), frames);
        auto *out = reinterpret_cast<qint16 *>(data);
        for (qint64 i = 0; i < got * channels; ++i)
            out[i] = qint16(std::lround(std::clamp(m_buffer[size_t(i)], -1.0f, 1.0f) * 32767.0f));
        m_framesDelivered += got;
        return got * bytesPerFrame;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

public:
    // Frames handed to the sink since the stream started.
    qint64 framesDelivered() const { return m_framesDelivered; }

private:
    std::shared_ptr<AudioRenderer> m_renderer;
    QAudioFormat m_format;
    std::vector<float> m_buffer;
    qint64 m_framesDelivered = 0;
};

DeviceAudioOutput::DeviceAudioOutput(std::shared_ptr<AudioRenderer> renderer,
                                     const QAudioDevice &device, QObject *parent)
    : AudioOutput(std::move(renderer), parent), m_device(device), m_playOutTimer(new QTimer(this))
{
    // The device plays in real time whatever clock the program runs on, so its play-out is
    // watched on a real timer.
    m_playOutTimer->setSingleShot(true);
    m_playOutTimer->setInterval(10);
    connect(m_playOutTimer, &QTimer::timeout, this, &DeviceAudioOutput::finishWhenPlayedOut);
}

DeviceAudioOutput::~DeviceAudioOutput()
{
    // Not called from inside the sink's own signals (players are destroyed from the event
    // loop), so the sink can go at once.
    m_stopping = true;
    if (m_sink) {
        m_sink->stop();
        delete m_sink;
    }
}

bool DeviceAudioOutput::start()
{
    stop();
    QAudioFormat format;
    format.setSampleRate(m_renderer->sampleRate());
    format.setChannelCount(m_renderer->channels());
    format.setSampleFormat(QAudioFormat::Float);
    if (!m_device.isFormatSupported(format))
        format.setSampleFormat(QAudioFormat::Int16);
    if (!m_device.isFormatSupported(format)) {
        qCWarning(lcMedia, "output device %s takes neither float nor 16-bit samples at %d Hz, %d channels",
                  qPrintable(m_device.description()), format.sampleRate(), format.channelCount());
        return false;
    }
    m_format = format;
    m_sink = new QAudioSink(m_device, format);
    m_source = new RendererDevice(m_renderer, format);
    m_source->setParent(m_sink);
    m_source->open(QIODevice::ReadOnly);
    connect(m_sink, &QAudioSink::stateChanged, this, &DeviceAudioOutput::onStateChanged);
    // A failure inside start() is answered by the return value, not by failed().
    m_stopping = true;
    m_sink->start(m_source);
    if (m_sink->error() != QAudio::NoError || m_sink->state() == QAudio::StoppedState) {
        qCWarning(lcMedia, "output device %s failed to start (error %d)",
                  qPrintable(m_device.description()), int(m_sink->error()));
        m_stopping = true;
        delete m_sink;
        m_sink = nullptr;
        m_source = nullptr;
        return false;
    }
    m_stopping = false;
    return true;
}

void DeviceAudioOutput::suspend()
{
    if (m_sink)
        m_sink->suspend();
}

void DeviceAudioOutput::resume()
{
    if (m_sink)
        m_sink->resume();
}

void DeviceAudioOutput::stop()
{
    m_playOutTimer->stop();
    if (!m_sink)
        return;
    m_stopping = true;
    m_sink->stop();
    // stop() may run inside the sink's own stateChanged signal: release it (and its data
    // source) from the event loop.
    disconnect(m_sink, nullptr, this, nullptr);
    m_sink->deleteLater();
    m_sink = nullptr;
    m_source = nullptr;
}

void DeviceAudioOutput::onStateChanged()
{
    if (!m_sink || m_stopping)
        return;
    const QAudio::State state = m_sink->state();
    const QAudio::Error error = m_sink->error();
    if (state == QAudio::IdleState && m_renderer->exhausted()) {
        // Everything was read; the sound server may still be playing what it holds.
        m_playOutWait.start();
        finishWhenPlayedOut();
        return;
    }
    if (state == QAudio::StoppedState && error != QAudio::NoError) {
        m_stopping = true;
        Q_EMIT failed(QStringLiteral("output device %1 stopped (error %2)")
                          .arg(m_device.description())
                          .arg(int(error)));
    }
}

void DeviceAudioOutput::finishWhenPlayedOut()
{
    if (!m_sink || !m_source || m_stopping)
        return;
    // The sink turns idle once it has handed the last samples to the sound server, and
    // stopping it then drops what the server still holds (the last ~0.2 s of the sound).
    // So wait until the device has played every frame it got (its processed time), but no
    // longer than its buffer's length and a margin, in case the time stops moving.
    const qint64 deliveredUs = m_source->framesDelivered() * 1000000 / qMax(1, m_format.sampleRate());
    const qint64 bufferUs = m_format.durationForBytes(qint32(qMin<qsizetype>(m_sink->bufferSize(), INT_MAX)));
    const bool playedOut = m_sink->processedUSecs() >= deliveredUs;
    if (!playedOut && m_playOutWait.elapsed() * 1000 < bufferUs + kPlayOutMarginUs) {
        m_playOutTimer->start();
        return;
    }
    m_stopping = true;
    m_sink->stop();
    Q_EMIT drained();
}
