#pragma once

#include <QObject>
#include <QString>

#include <memory>

class AudioRenderer;

// Where a player's samples go: a sound device (DeviceAudioOutput) or the null output that
// consumes them in real time (NullAudioOutput). An output pulls from the player's renderer.
//
// create() picks the device when one can be used and the null output otherwise: no output
// device, a clock other than the system clock installed, or PHRASEBOOK_AUDIO_OUT set (the
// null output then also writes what it plays to that WAV file, see AudioCapture).
//
// Thread: main thread. drained() and failed() are emitted on the main thread.
// Failure: start() returns false when the output cannot play (a device that refuses to
// start); failed() reports a device lost while playing.
class AudioOutput : public QObject
{
    Q_OBJECT

public:
    explicit AudioOutput(std::shared_ptr<AudioRenderer> renderer, QObject *parent = nullptr);
    ~AudioOutput() override;

    static std::unique_ptr<AudioOutput> create(std::shared_ptr<AudioRenderer> renderer);

    // Starts pulling from the renderer's current position.
    virtual bool start() = 0;
    virtual void suspend() = 0;
    virtual void resume() = 0;
    // Stops at once; samples handed over but not yet heard are dropped.
    virtual void stop() = 0;
    virtual bool isNull() const = 0;

Q_SIGNALS:
    // The renderer is used up and its last sample has been played.
    void drained();
    void failed(const QString &message);

protected:
    std::shared_ptr<AudioRenderer> m_renderer;
};
