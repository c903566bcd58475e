#pragma once

#include "AudioOutput.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QElapsedTimer>


class QAudioSink;
class QTimer;
class RendererDevice;

// Plays a renderer on a sound device through QAudioSink in pull mode: the sink reads from
// a QIODevice that asks the renderer for samples (32-bit float, or 16-bit integers when the
// device does not take float) at the clip's own rate and channel count. drained() comes
// when the device has played the last frame, not when the sink has read it.
//
// Thread: main thread (the sink, and so its reads, live on the thread that made it).
// Failure: start() returns false when the device takes neither format or the sink fails to
// start (the player then falls back to the null output); a device error while playing is
// reported through failed().
class DeviceAudioOutput : public AudioOutput
{
    Q_OBJECT

public:
    DeviceAudioOutput(std::shared_ptr<AudioRenderer> renderer, const QAudioDevice &device,
                      QObject *parent = nullptr);
    ~DeviceAudioOutput() override;

    bool start() override;
    void suspend() override;
    void resume() override;
    void stop() override;
    bool isNull() const override { return false; }

private:
    void onStateChanged();
    void finishWhenPlayedOut();

    static constexpr qint64 kPlayOutMarginUs = 300000;

    QAudioDevice m_device;
    QAudioFormat m_format;
    QAudioSink *m_sink = nullptr;        // owns its RendererDevice (Qt parent)
    RendererDevice *m_source = nullptr;
    QTimer *m_playOutTimer;              // child: polls the play-out after the last read
    QElapsedTimer m_playOutWait;
    bool m_stopping = false;
};
