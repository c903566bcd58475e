#include "MediaTestSupport.h"

#include <QFile>

#include <sndfile.h>

#include <cmath>
#include <type_traits>
#include <numbers>

namespace MediaTestSupport {
std::vector<float> sine(double seconds, double frequency, int sampleRate, float amplitude, int channels)
{
    const qint64 frames = qint64(std::llround(seconds * sampleRate));
    std::vector<float> samples(size_t(frames * channels));
    for (qint64 f = 0; f < frames; ++f) {
        const float value = amplitude * float(std::sin(2.0 * std::numbers::pi * frequency * double(f) / sampleRate));
        for (int c = 0; c < channels; ++c)
            samples[size_t(f * channels + c)] = value;
    }
    return samples;
}

namespace {
template <typename Sample>
bool writeInterleaved(const QString &path, int sndfileFormat, int sampleRate, int channels,
                      const std::vector<Sample> &samples)
{
    SF_INFO info{};
    info.samplerate = sampleRate;
    info.channels = channels;
    info.format = sndfileFormat;
    SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    if (!file)
        return false;
    const sf_count_t frames = sf_count_t(samples.size()) / channels;
    sf_count_t written = 0;
    if constexpr (std::is_same_v<Sample, short>)
        written = sf_writef_short(file, samples.data(), frames);
    else
        written = sf_writef_float(file, samples.data(), frames);
    sf_close(file);
    return written == frames;
}
}

bool writeSamples(const QString &path, int sndfileFormat, int sampleRate, int channels,
                  const std::vector<short> &samples)
{
    return writeInterleaved(path, sndfileFormat, sampleRate, channels, samples);
}

bool writeSamples(const QString &path, int sndfileFormat, int sampleRate, int channels,
                  const std::vector<float> &samples)
{
    return writeInterleaved(path, sndfileFormat, sampleRate, channels, samples);
}

bool writeSound(const QString &path, const std::vector<float> &samples, int sampleRate, int channels, FileKind kind)
{
    int format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    if (kind == FileKind::Mp3)
        format = SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III;
    else if (kind == FileKind::CafAlac)
        format = SF_FORMAT_CAF | SF_FORMAT_ALAC_16;
    return writeInterleaved(path, format, sampleRate, channels, samples);
}

bool writeSine(const QString &path, double seconds, double frequency, int sampleRate, float amplitude, FileKind kind)
{
    return writeSound(path, sine(seconds, frequency, sampleRate, amplitude), sampleRate, 1, kind);
}

Sound readSound(const QString &path)
{
    Sound sound;
    SF_INFO info{};
    SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (!file)
        return sound;
    sound.sampleRate = info.samplerate;
    sound.channels = info.channels;
    sound.format = info.format;
    std::vector<float> chunk(4096 * size_t(info.channels));
    for (;;) {
        const sf_count_t got = sf_readf_float(file, chunk.data(), 4096);
        if (got <= 0)
            break;
        sound.samples.insert(sound.samples.end(), chunk.begin(), chunk.begin() + got * info.channels);
    }
    sf_close(file);
    sound.ok = true;
    return sound;
}

double zeroCrossingFrequency(const float *samples, qint64 count, int sampleRate)
{
    qint64 crossings = 0;
    for (qint64 i = 1; i < count; ++i) {
        if (samples[i - 1] < 0.0f && samples[i] >= 0.0f)
            ++crossings;
    }
    return count > 1 ? double(crossings) * sampleRate / double(count - 1) : 0.0;
}

double rms(const float *samples, qint64 count)
{
    double sum = 0.0;
    for (qint64 i = 0; i < count; ++i)
        sum += double(samples[i]) * samples[i];
    return count > 0 ? std::sqrt(sum / double(count)) : 0.0;
}
}
