#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

// A source of 16 kHz mono 16-bit samples for the recorder: the input device
// (DeviceAudioInput) or a sound file standing in for the microphone (FileAudioInput).
//
// create() takes the file-fed microphone when the audio session names one, else the
// default input device when there is one (AudioDevices; the system clock only).
//
// Thread: main thread; samples reach the sink on the main thread.
// Failure: create() returns nothing when no microphone exists; start() returns false with
// a message in *error; failed() reports an input lost while recording (device gone).
class AudioInput : public QObject
{
    Q_OBJECT

public:
    using Sink = std::function<void(const qint16 *samples, qint64 count)>;

    static constexpr int sampleRate() { return 16000; }

    explicit AudioInput(QObject *parent = nullptr) : QObject(parent) {}
    ~AudioInput() override;

    static std::unique_ptr<AudioInput> create(QString *error);

    // Tests: a factory used by create() instead of the devices (empty: back to normal).
    using Factory = std::function<std::unique_ptr<AudioInput>()>;
    static void setFactoryForTesting(Factory factory);

    virtual bool start(Sink sink, QString *error) = 0;
    // Hands over what is still buffered, then stops.
    virtual void stop() = 0;

Q_SIGNALS:
    void failed(const QString &message);
};
