#pragma once

#include "AudioInput.h"

#include <QAudioDevice>

class QAudioSource;
class QIODevice;

// Records from an input device through QAudioSource in push mode, at 16 kHz, mono,
// 16-bit.
//
// Thread: main thread (readyRead arrives there).
// Failure: start() fails when the device does not take that format or does not start;
// a device error while recording is reported through failed().
class DeviceAudioInput : public AudioInput
{
    Q_OBJECT

public:
    explicit DeviceAudioInput(const QAudioDevice &device, QObject *parent = nullptr);
    ~DeviceAudioInput() override;

    bool start(Sink sink, QString *error) override;
    void stop() override;

private:
    void drain();
    void onStateChanged();

    QAudioDevice m_device;
    QAudioSource *m_source = nullptr;
    QIODevice *m_io = nullptr;
    Sink m_sink;
    QByteArray m_pending;  // an odd byte left over between reads
    bool m_stopping = false;
};
