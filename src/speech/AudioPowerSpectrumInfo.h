#pragma once

#include <QList>
#include <QtGlobal>

// Per-frame log power spectra of one recognition run: row r belongs to decoder frame r
// (the frames the recogniser kept after its voice activity detection) and holds
// `spectrumSize` values, max(ln(|FFT bin|^2), 0) for bins 0 to spectrumSize - 1.
//
// A plain value record (implicitly shared lists, cheap to copy). An empty record (no
// frames) has `maxPower` 0. Thread: any; no failure modes of its own.
struct AudioPowerSpectrumInfo
{
    QList<QList<double>> powerData;  // frameCount rows x spectrumSize bins
    quint64 frameCount = 0;          // frames the decoder output for the utterance
    qint32 spectrumSize = 128;       // bins per frame
    double maxPower = 0.0;           // largest value of powerData, 0 without frames
};
