#pragma once

#include "AudioDataInfo.h"

#include <QString>

#include <vector>

// Turns audio files into signed 16-bit samples for the recogniser.
//
// decodeAudioDataFromFile() reads any file libsndfile reads (CAF/ALAC recordings, MP3
// voices, WAV, FLAC, ...) as the platform's AudioFileReader does for every sound: mixed
// down to mono (the mean of the channels), resampled to 16 kHz with libsoxr when the file
// has another rate, and stored as 16-bit little-endian samples. The decoded block is sized
// by what was actually decoded; files longer than kMaxDurationSeconds are refused.
//
// decodeWaveData() reads an uncompressed RIFF/WAVE file as stored (no conversion): it walks
// the chunks to "fmt " and "data", skipping any others, and never trusts a data length
// beyond the end of the file.
//
// Thread: any; all operations are static and share no state.
// Failures: decodeAudioDataFromFile() returns 0 on success, a positive libsndfile error
// number (sf_error) when the file cannot be opened or parsed, or one of the negative
// Status values below; decodeWaveData() returns false. On failure the record is left
// untouched and the reason is logged at level 2 (the WAVE reader also prints "Error" for a
// file that is not RIFF/WAVE).
class ZQAudioUtil
{
public:
    enum Status : qint32 {
        StatusOk = 0,
        StatusOpenFailed = -2000,       // the file could not be opened, no reason given
        StatusTooLong = -2001,          // longer than kMaxDurationSeconds
        StatusReadFailed = -2002,       // decoding stopped with an error
        StatusConverterFailed = -2003,  // the resampler could not be set up or failed
        StatusBadFormat = -2004,        // no channels or no sample rate
    };

    static constexpr int kTargetSampleRate = 16000;
    static constexpr qint64 kMaxDurationSeconds = 600;

    static qint32 decodeAudioDataFromFile(const QString &path, AudioDataInfo &info);

    // The first size / 2 samples of the record (fewer if `data` is shorter than `size`
    // claims); an odd last byte is ignored, a size below 2 gives an empty array.
    static std::vector<qint16> getAudioDataShortForByte(const AudioDataInfo &info);

    static bool decodeWaveData(const QString &path, AudioDataInfo &info);

    // Four-character code packed big-endian, e.g. fourCharCode("alac").
    static constexpr quint64 fourCharCode(const char (&code)[5])
    {
        return (quint64(quint8(code[0])) << 24) | (quint64(quint8(code[1])) << 16)
            | (quint64(quint8(code[2])) << 8) | quint64(quint8(code[3]));
    }
};
