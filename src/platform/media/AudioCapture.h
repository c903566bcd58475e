#pragma once

#include <QString>

#include <vector>

struct sf_private_tag;
struct soxr;

// The capture file of the null output: when the environment variable PHRASEBOOK_AUDIO_OUT
// names a file (or setPath() was called), every sample the null output plays is appended to
// that file as 16-bit WAV, so a test or a user can listen to and check what was played.
//
// Only played samples are written: pauses and the gaps between items are not. The file
// takes the sample rate and channel count of the first sound played; later sounds are
// mixed down or up and resampled (libsoxr) to match. The header is kept up to date after
// every write, so the file is complete even if the program is killed.
//
// Thread: main thread. Failure: a file that cannot be created or written is reported once
// on the log (naming it) and capture stops; playback goes on.
class AudioCapture
{
public:
    static AudioCapture &instance();
    ~AudioCapture();
    AudioCapture(const AudioCapture &) = delete;
    AudioCapture &operator=(const AudioCapture &) = delete;

    // Starts a new capture file (replacing an existing one) or, with an empty path, stops.
    void setPath(const QString &path);
    QString path() const { return m_path; }
    bool isEnabled() const { return !m_path.isEmpty(); }

    void write(const float *frames, qint64 count, int sampleRate, int channels);
    void close();

private:
    AudioCapture();
    bool open(int sampleRate, int channels);

    QString m_path;
    sf_private_tag *m_file = nullptr;
    bool m_failed = false;
    int m_sampleRate = 0;
    int m_channels = 0;
    soxr *m_resampler = nullptr;
    int m_resamplerInputRate = 0;
    std::vector<float> m_mixed;
    std::vector<float> m_resampled;
};
