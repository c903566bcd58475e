#include "AudioCapture.h"

#include "MediaLog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sndfile.h>
#include <soxr.h>

AudioCapture &AudioCapture::instance()
{
    static AudioCapture capture;
    return capture;
}

AudioCapture::AudioCapture()
{
    const QByteArray path = qgetenv("PHRASEBOOK_AUDIO_OUT");
    if (!path.isEmpty())
        m_path = QFile::decodeName(path);
}

AudioCapture::~AudioCapture()
{
    close();
}

void AudioCapture::setPath(const QString &path)
{
    close();
    m_path = path;
    m_failed = false;
}

void AudioCapture::close()
{
    if (m_file) {
        sf_close(m_file);
        m_file = nullptr;
    }
    if (m_resampler) {
        soxr_delete(m_resampler);
        m_resampler = nullptr;
    }
    m_resamplerInputRate = 0;
    m_sampleRate = 0;
    m_channels = 0;
}

bool AudioCapture::open(int sampleRate, int channels)
{
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    SF_INFO info{};
    info.samplerate = sampleRate;
    info.channels = channels;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    m_file = sf_open(QFile::encodeName(m_path).constData(), SFM_WRITE, &info);
    if (!m_file) {
        qCWarning(lcMedia, "cannot write the audio capture file %s: %s", qPrintable(m_path),
                  sf_strerror(nullptr));
        m_failed = true;
        return false;
    }
    sf_command(m_file, SFC_SET_UPDATE_HEADER_AUTO, nullptr, SF_TRUE);
    sf_command(m_file, SFC_SET_CLIPPING, nullptr, SF_TRUE);
    m_sampleRate = sampleRate;
    m_channels = channels;
    return true;
}

void AudioCapture::write(const float *frames, qint64 count, int sampleRate, int channels)
{
    if (m_path.isEmpty() || m_failed || count <= 0 || channels < 1)
        return;
    if (!m_file && !open(sampleRate, channels))
        return;

    // Channels: mix down to mono, or copy mono to every channel, or keep the first ones.
    const float *data = frames;
    if (channels != m_channels) {
        m_mixed.assign(size_t(count * m_channels), 0.0f);
        for (qint64 f = 0; f < count; ++f) {
            const float *in = frames + f * channels;
            float *out = m_mixed.data() + f * m_channels;
            if (m_channels == 1) {
                float sum = 0.0f;
                for (int c = 0; c < channels; ++c)
                    sum += in[c];
                out[0] = sum / float(channels);
            } else {
                for (int c = 0; c < m_channels; ++c)
                    out[c] = channels == 1 ? in[0] : in[qMin(c, channels - 1)];
            }
        }
        data = m_mixed.data();
    }

    qint64 outCount = count;
    if (sampleRate != m_sampleRate) {
        if (!m_resampler || m_resamplerInputRate != sampleRate) {
            if (m_resampler)
                soxr_delete(m_resampler);
            soxr_error_t error = nullptr;
            const soxr_io_spec_t io = soxr_io_spec(SOXR_FLOAT32_I, SOXR_FLOAT32_I);
            m_resampler = soxr_create(sampleRate, m_sampleRate, unsigned(m_channels), &error, &io,
                                      nullptr, nullptr);
            if (error || !m_resampler) {
                qCWarning(lcMedia, "audio capture: cannot resample %d Hz to %d Hz", sampleRate,
                          m_sampleRate);
                m_resampler = nullptr;
                return;
            }
            m_resamplerInputRate = sampleRate;
        }
        const size_t room = size_t(double(count) * m_sampleRate / sampleRate) + 64;
        m_resampled.resize(room * size_t(m_channels));
        size_t done = 0;
        size_t produced = 0;
        soxr_process(m_resampler, data, size_t(count), &done, m_resampled.data(), room, &produced);
        data = m_resampled.data();
        outCount = qint64(produced);
    }
    if (outCount > 0 && sf_writef_float(m_file, data, outCount) != outCount) {
        qCWarning(lcMedia, "cannot write the audio capture file %s: %s", qPrintable(m_path),
                  sf_strerror(m_file));
        m_failed = true;
    }
}
