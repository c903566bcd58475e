#pragma once

#include <QByteArray>
#include <QtGlobal>

// A decoded block of audio samples with the format fields of the file it came from.
//
// `size` and `data` describe the decoded stream (for file decoding: 16 kHz, mono, signed
// 16-bit little-endian samples); the other fields describe the file as stored and are
// informational. The field names follow the WAVE header fields. `format_tag` holds a
// four-character code packed big-endian ("alac" = 0x616C6163) after file decoding and the
// WAVE format tag (1 = PCM) after WAVE reading.
//
// A plain value record: copies share the sample bytes (QByteArray is implicitly shared).
// Thread: any; no failure modes of its own.
struct AudioDataInfo
{
    qint32 size = 0;             // number of bytes in data
    QByteArray data;             // the samples
    qint16 channels = 0;         // channel count of the file
    qint16 block_align = 0;      // WAVE block alignment; not filled by file decoding
    qint16 bits_per_sample = 0;  // file decoding: bits per channel times channels
    quint64 sample_rate = 0;     // sample rate of the file in Hz
    quint64 format_length = 0;   // WAVE format chunk length; not filled by file decoding
    quint64 format_tag = 0;      // format code of the file
    quint64 avg_bytes_sec = 0;   // WAVE byte rate; not filled by file decoding
};
