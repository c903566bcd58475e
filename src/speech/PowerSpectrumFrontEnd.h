#pragma once

#include "AudioPowerSpectrumInfo.h"

#include <QList>
#include <QtGlobal>

#include <cstddef>
#include <optional>

struct cmd_ln_s;

// The per-frame power spectrum of a recognition run, aligned to the decoder's frames.
//
// The decoder's front end drops most silent frames (voice activity detection), so decoder
// frame numbers are not audio time. keptFrames() replays the front end: a second front end
// built from the decoder's own configuration is fed the same samples one frame shift at a
// time; the frames it hands back after input frame j are the latest input frames up to j
// (where speech starts it hands back its pre-speech buffer at once), and the final partial
// frame of fe_end_utt, when returned, is the frame after the last complete one. The result
// maps each decoder frame to its audio frame (start sample = audio frame x frame shift).
//
// logPowerSpectrum() then computes, for each of those audio frames, the front end's
// framing: frame of `frameSize` samples starting at frame x `frameShift`, zero-padded at
// the end of the audio, pre-emphasis y[n] = x[n] - alpha x[n-1] (x[-1] being the sample
// before the frame, 0 at the start), symmetric Hamming window, zero-padded real FFT of
// `fftSize` points (FFTW3); value = max(ln(re^2 + im^2), 0) for bins 0 to bins - 1 (a bin
// above fftSize / 2 stays 0).
//
// Thread: any; the decoder library and FFTW's planner are not thread-safe, so both hold
// SpeechLibraryLock. Failure: keptFrames() returns no value when the second front end
// cannot be built or fails; logPowerSpectrum() never fails (bad framing gives no rows).
class PowerSpectrumFrontEnd
{
public:
    struct Framing
    {
        int frameShift = 0;   // samples between frame starts
        int frameSize = 0;    // samples per analysis window
        int fftSize = 0;      // FFT points
        double preEmphasis = 0.0;
        double sampleRate = 0.0;
    };

    struct KeptFrames
    {
        Framing framing;
        QList<qint64> audioFrameOfDecoderFrame;
    };

    static std::optional<KeptFrames> keptFrames(cmd_ln_s *decoderConfig, const qint16 *samples,
                                                size_t count);

    static AudioPowerSpectrumInfo logPowerSpectrum(const qint16 *samples, size_t count,
                                                   const QList<qint64> &audioFrames,
                                                   const Framing &framing, int bins = 128);
};
