#pragma once

#include <QString>
#include <QtGlobal>

#include <memory>
#include <vector>

struct sf_private_tag;

// Reads sound files through libsndfile: everything it decodes (MP3 voices, Apple Lossless
// recordings in CAF, WAV, FLAC, ...). The player takes the samples as they are stored
// (interleaved floats at the file's own rate); the recogniser and the file-fed microphone
// take "speech samples": the channels mixed down to mono (their mean), resampled to 16 kHz
// with libsoxr (high quality) when the file has another rate, and rounded to signed 16-bit
// (clipped at full scale; a NaN sample counts as silence).
//
// Usage: open() once, then one of the read functions once.
//
// Ownership: the reader owns the open file and closes it when destroyed.
// Thread: any; one reader is used by one thread at a time.
// Failure: open() and the read functions return false, status() says which step failed
// and errorString() explains it, naming the file. A read that stops with a decoding error
// keeps what was decoded before it in the output.
class AudioFileReader
{
public:
    enum class Status {
        Ok,
        OpenFailed,          // libsndfile cannot open the file (missing, unknown format)
        BadFormat,           // the file reports no channels or no sample rate
        ResamplerFailed,     // the resampler could not be set up
        ReadFailed,          // decoding stopped with an error
        ResampleFailed,      // the resampler failed while converting
        TooLong,             // more speech samples than the caller's limit
    };

    static constexpr int kSpeechSampleRate = 16000;

    AudioFileReader();
    ~AudioFileReader();
    AudioFileReader(const AudioFileReader &) = delete;
    AudioFileReader &operator=(const AudioFileReader &) = delete;

    bool open(const QString &path);

    // The open file's properties.
    int sampleRate() const { return m_sampleRate; }
    int channels() const { return m_channels; }
    qint64 frameCount() const { return m_frames; }  // -1 when the file does not say
    int sndfileFormat() const { return m_format; }  // SF_FORMAT_* container | encoding
    bool rawDataNeedsEndSwap() const;               // stored big-endian on this machine

    Status status() const { return m_status; }
    int sndfileError() const { return m_sndfileError; }  // sf_error() of the failed step
    QString errorString() const;                         // "audio file <path> <reason>"
    QString reason() const { return m_reason; }          // the reason alone

    // Appends the rest of the file as interleaved floats in -1..1, until the decoder stops.
    bool readInterleaved(std::vector<float> *samples);

    // Appends the rest of the file as speech samples. With maxSamples > 0, stops with
    // TooLong as soon as more than maxSamples would be produced.
    bool readSpeechSamples(std::vector<qint16> *samples, qint64 maxSamples = 0);

private:
    bool fail(Status status, const QString &reason);

    struct FileCloser
    {
        void operator()(sf_private_tag *file) const;
    };

    std::unique_ptr<sf_private_tag, FileCloser> m_file;
    QString m_path;
    int m_sampleRate = 0;
    int m_channels = 0;
    qint64 m_frames = -1;
    int m_format = 0;
    Status m_status = Status::Ok;
    int m_sndfileError = 0;
    QString m_reason;
};
