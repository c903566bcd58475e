#pragma once

#include <QString>

#include <memory>
#include <vector>

// A sound decoded into memory: interleaved 32-bit float samples in -1..1, with its sample
// rate and channel count. Decoding goes through AudioFileReader (libsndfile), which reads
// the voice files (MP3), the recordings (Apple Lossless in CAF) and WAV files.
//
// Thread: any (an AudioClip is immutable once made and is shared between the main thread
// and an audio device thread).
// Failure: fromFile() returns nothing and sets *error to a message naming the file when the
// file is missing, cannot be decoded, holds no samples or has an unusable format;
// excerpt() returns nothing when the range holds no sample of the clip.
class AudioClip
{
public:
    AudioClip(std::vector<float> samples, int sampleRate, int channels);

    static std::shared_ptr<const AudioClip> fromFile(const QString &path, QString *error = nullptr);

    // A copy of the frames from startSeconds (rounded down to a frame) up to endSeconds
    // (rounded up), held within the clip: one word of a recording.
    std::shared_ptr<const AudioClip> excerpt(double startSeconds, double endSeconds) const;

    const std::vector<float> &samples() const { return m_samples; }
    int sampleRate() const { return m_sampleRate; }
    int channels() const { return m_channels; }
    qint64 frameCount() const { return qint64(m_samples.size()) / m_channels; }
    double duration() const { return double(frameCount()) / m_sampleRate; }

private:
    std::vector<float> m_samples;
    int m_sampleRate;
    int m_channels;
};
