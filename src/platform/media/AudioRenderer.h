#pragma once

#include "AudioClip.h"

#include <QtGlobal>

#include <atomic>
#include <memory>
#include <mutex>

namespace soundtouch {
class SoundTouch;
}

// Turns a decoded clip into the stream an output plays: the play position, the loops, the
// tempo change (SoundTouch, pitch kept) and the volume.
//
// At rate 1.0 the samples are copied unchanged; at any other rate, and from then on until
// the position is set again, they pass through SoundTouch's time stretcher, so a rate
// change while playing continues the stream without a gap. The rate is held within
// PlaybackRate's range.
//
// Thread: render() runs on the thread of the output (the main thread for the null output,
// possibly an audio thread for a device); every member is guarded by one mutex.
// Never fails: at the end of the item render() returns fewer frames than asked for, and
// exhausted() becomes true.
class AudioRenderer
{
public:
    explicit AudioRenderer(std::shared_ptr<const AudioClip> clip);
    ~AudioRenderer();
    AudioRenderer(const AudioRenderer &) = delete;
    AudioRenderer &operator=(const AudioRenderer &) = delete;

    const AudioClip &clip() const { return *m_clip; }
    int sampleRate() const { return m_clip->sampleRate(); }
    int channels() const { return m_clip->channels(); }

    // Fills up to `frames` interleaved frames; returns how many were written.
    qint64 render(float *out, qint64 frames);
    bool exhausted() const;

    // 1.0 normal; held within the bounds above. Returns the rate in use.
    double setRate(double rate);
    double rate() const;
    void setVolume(float volume);  // 0..1
    float volume() const;
    // Extra plays after the first; negative: loop until stopped.
    void setNumberOfLoops(int loops);
    int numberOfLoops() const;

    // Position in the current play of the item, in seconds.
    double currentTime() const;
    void setCurrentTime(double seconds);
    // Back to the start with every loop still to come.
    void rewind();

    // Monotonic time (ns, steady clock) of the first render() that produced samples; 0 until then.
    qint64 firstRenderNs() const { return m_firstRenderNs.load(); }

private:
    qint64 copyDirect(float *out, qint64 frames);
    qint64 renderStretched(float *out, qint64 frames);
    bool feedStretcher();  // false when the source (with its loops) is used up
    bool atSourceEnd() const;
    void resetStretcher();

    std::shared_ptr<const AudioClip> m_clip;
    mutable std::mutex m_mutex;
    std::unique_ptr<soundtouch::SoundTouch> m_stretcher;
    bool m_stretching = false;   // SoundTouch is in the path
    bool m_flushed = false;
    bool m_exhausted = false;
    qint64 m_sourcePos = 0;      // next source frame to read
    int m_loops = 0;
    int m_loopsLeft = 0;
    double m_rate = 1.0;
    float m_volume = 1.0f;
    std::atomic<qint64> m_firstRenderNs{0};
};
