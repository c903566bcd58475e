#pragma once

#include "speech/AudioPowerSpectrumInfo.h"

#include <QImage>

// Turns the per-frame log power spectra of one recognition into a grey-scale voiceprint:
// one pixel per frame (column) and bin (row), louder darker, silence white, alpha 255.
//
// Grey level: with m = maxPower when above 0, else the largest finite float, and
// i = trunc(power x 255 / m) (0 when negative or not a number, then its low 8 bits), the
// pixel is (255 - i, 255 - i, 255 - i, 255). The image is laid out as it is shown: bin 0 is
// the bottom row, frame 0 the left column. The width is frameCount (rows missing from
// powerData, or bins missing from a row, draw as silence), the height spectrumSize.
//
// Thread: any (pure function on a value). Failure: a null QImage when the spectrum has no
// power data, no frames or no bins, or when the image cannot be allocated.
class SpectrogramRenderer
{
public:
    static QImage render(const AudioPowerSpectrumInfo &info);
    // The grey-level index i of one value for the scale factor k = 255 / m.
    static int intensity(double power, double scale);
};
