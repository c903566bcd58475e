#pragma once

#include "AudioOutput.h"

#include <vector>

class MediaTimer;

// The output used when no sound device can be used: it consumes the renderer's samples in
// real time on the process clock, so positions, durations and end-of-item events happen as
// on a device (and, on a manual clock, exactly as the test advances time).
//
// Like a device it keeps one period (10 ms) of samples handed over ahead of the play
// position: the first samples are taken at start(), and drained() follows when the clock
// reaches the end of the last sample handed over. Everything it takes is also appended to
// the capture file when one is set (AudioCapture).
//
// Thread: main thread. Never fails.
class NullAudioOutput : public AudioOutput
{
    Q_OBJECT

public:
    explicit NullAudioOutput(std::shared_ptr<AudioRenderer> renderer, QObject *parent = nullptr);
    ~NullAudioOutput() override;

    bool start() override;
    void suspend() override;
    void resume() override;
    void stop() override;
    bool isNull() const override { return true; }

    static constexpr int periodMs() { return 10; }

private:
    void tick();
    qint64 framesIn(qint64 microseconds) const;
    qint64 microsecondsOf(qint64 frames) const;
    void scheduleDrain();

    MediaTimer *m_tickTimer;
    MediaTimer *m_drainTimer;
    std::vector<float> m_buffer;
    qint64 m_originUs = 0;       // clock time at which the current segment began
    qint64 m_segmentFrames = 0;  // frames handed over since then (counting carried-over ones)
    bool m_running = false;
    bool m_sourceDone = false;
};
