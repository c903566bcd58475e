#pragma once

#include <QString>

#include <vector>

// Sound files for the media and audio tests, written and read with libsndfile.
namespace MediaTestSupport {
enum class FileKind { Wav, Mp3, CafAlac };

// A sine of `frequency` Hz and peak `amplitude` (0..1), mono unless `channels` says otherwise.
std::vector<float> sine(double seconds, double frequency, int sampleRate, float amplitude, int channels = 1);
// Writes interleaved samples as they are, in a libsndfile format (SF_FORMAT_* major |
// subtype); false when libsndfile refuses.
bool writeSamples(const QString &path, int sndfileFormat, int sampleRate, int channels,
                  const std::vector<short> &samples);
bool writeSamples(const QString &path, int sndfileFormat, int sampleRate, int channels,
                  const std::vector<float> &samples);
// Writes interleaved samples; false when libsndfile refuses.
bool writeSound(const QString &path, const std::vector<float> &samples, int sampleRate, int channels,
                FileKind kind = FileKind::Wav);
bool writeSine(const QString &path, double seconds, double frequency, int sampleRate, float amplitude = 0.5f,
               FileKind kind = FileKind::Wav);

struct Sound
{
    bool ok = false;
    int sampleRate = 0;
    int channels = 0;
    int format = 0;  // libsndfile format word
    std::vector<float> samples;
    qint64 frames() const { return channels > 0 ? qint64(samples.size()) / channels : 0; }
    double seconds() const { return sampleRate > 0 ? double(frames()) / sampleRate : 0.0; }
};
Sound readSound(const QString &path);

// Frequency estimate of a mono stretch from its zero crossings (upward ones per second).
double zeroCrossingFrequency(const float *samples, qint64 count, int sampleRate);
double rms(const float *samples, qint64 count);
}
