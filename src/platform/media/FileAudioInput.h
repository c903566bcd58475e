#pragma once

#include "AudioInput.h"

#include <vector>

class MediaTimer;

// A "microphone" that plays a sound file into the recorder in real time on the process
// clock: the file is read as speech samples (AudioFileReader: mono, 16 kHz, 16-bit), then
// handed over in 10 ms steps as the clock moves; after the end of the file it delivers
// silence, as a microphone in a quiet room would, until the recording is stopped.
//
// Thread: main thread. Failure: start() fails when the file cannot be decoded (the message
// names it).
class FileAudioInput : public AudioInput
{
    Q_OBJECT

public:
    explicit FileAudioInput(const QString &path, QObject *parent = nullptr);
    ~FileAudioInput() override;

    bool start(Sink sink, QString *error) override;
    void stop() override;

    // Decodes `path` into 16 kHz mono 16-bit samples; false with a message naming the file
    // when it cannot be decoded or holds no samples.
    static bool loadSamples(const QString &path, std::vector<qint16> *samples, QString *error);

private:
    void tick();

    QString m_path;
    std::vector<qint16> m_samples;
    std::vector<qint16> m_buffer;
    MediaTimer *m_timer;
    Sink m_sink;
    qint64 m_originUs = 0;
    qint64 m_delivered = 0;
};
