#include "PowerSpectrumFrontEnd.h"

#include "SpeechLibraryLock.h"
#include "platform/foundation/ZQLog.h"

#include <sphinxbase/ckd_alloc.h>
#include <sphinxbase/cmd_ln.h>
#include <sphinxbase/fe.h>

#include <fftw3.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>
#include <vector>

namespace {
struct FrontEndDeleter
{
    void operator()(fe_t *fe) const { fe_free(fe); }
};
struct CepstraDeleter
{
    void operator()(mfcc_t **buffer) const { ckd_free_2d(buffer); }
};
}

std::optional<PowerSpectrumFrontEnd::KeptFrames>
PowerSpectrumFrontEnd::keptFrames(cmd_ln_s *decoderConfig, const qint16 *samples, size_t count)
{
    if (!decoderConfig)
        return std::nullopt;
    SpeechLibraryLock::Guard lock(SpeechLibraryLock::mutex());
    // The header says the front end claims the configuration, but this build takes its own
    // reference (an extra cmd_ln_retain leaks one configuration per run, and none is freed
    // twice without it: checked under AddressSanitizer).
    std::unique_ptr<fe_t, FrontEndDeleter> fe(fe_init_auto_r(decoderConfig));
    if (!fe)
        return std::nullopt;

    KeptFrames result;
    Framing &framing = result.framing;
    fe_get_input_size(fe.get(), &framing.frameShift, &framing.frameSize);
    framing.fftSize = cmd_ln_int32_r(decoderConfig, "-nfft");
    framing.preEmphasis = cmd_ln_float32_r(decoderConfig, "-alpha");
    framing.sampleRate = cmd_ln_float32_r(decoderConfig, "-samprate");
    if (framing.frameShift <= 0 || framing.frameSize <= 0)
        return std::nullopt;

    // Room for the whole pre-speech buffer that is handed back where speech starts.
    const int capacity = 64 + std::max(0, int(cmd_ln_int32_r(decoderConfig, "-vad_prespeech")))
        + std::max(0, int(cmd_ln_int32_r(decoderConfig, "-vad_startspeech")));
    std::unique_ptr<mfcc_t *, CepstraDeleter> cepstra(static_cast<mfcc_t **>(
        ckd_calloc_2d(size_t(capacity), size_t(fe_get_output_size(fe.get())), sizeof(mfcc_t))));
    if (fe_start_utt(fe.get()) < 0)
        return std::nullopt;

    const size_t shift = size_t(framing.frameShift);
    const size_t size = size_t(framing.frameSize);
    auto completeFrames = [&](size_t fed) -> qint64 {
        return fed >= size ? qint64((fed - size) / shift + 1) : 0;
    };
    bool consistent = true;
    auto mapBatch = [&](qint64 returned, qint64 newestFrame) {
        for (qint64 k = 0; k < returned; ++k) {
            const qint64 frame = newestFrame - returned + 1 + k;
            const qint64 previous =
                result.audioFrameOfDecoderFrame.isEmpty() ? -1 : result.audioFrameOfDecoderFrame.last();
            if (frame <= previous || frame < 0)
                consistent = false;
            result.audioFrameOfDecoderFrame.append(std::max(frame, previous + 1));
        }
    };

    size_t fed = 0;
    for (size_t position = 0; position < count; position += shift) {
        const int16 *input = samples + position;
        size_t remaining = std::min(shift, count - position);
        fed += remaining;
        qint64 returned = 0;
        for (;;) {
            int32 frames = capacity;
            int32 frameIndex = 0;
            if (fe_process_frames(fe.get(), &input, &remaining, cepstra.get(), &frames, &frameIndex) < 0)
                return std::nullopt;
            returned += frames;
            if (remaining == 0 && frames < capacity)
                break;
            if (remaining > 0 && frames == 0) {
                consistent = false;  // the front end refused input: never spin
                break;
            }
        }
        mapBatch(returned, completeFrames(fed) - 1);
    }
    int32 lastFrames = 0;
    if (fe_end_utt(fe.get(), cepstra.get()[0], &lastFrames) < 0)
        return std::nullopt;
    // The final partial frame (zero-padded) starts right after the last complete frame.
    mapBatch(lastFrames, completeFrames(fed));

    if (!consistent)
        ZQLog::log(QStringLiteral("the front end replay returned frames out of order; the spectrum "
                                  "rows may not line up with the decoder frames"),
                   2);
    return result;
}

namespace {
struct FftwDeleter
{
    void operator()(void *memory) const { fftw_free(memory); }
};
struct PlanDeleter
{
    void operator()(fftw_plan plan) const { fftw_destroy_plan(plan); }
};
}

AudioPowerSpectrumInfo PowerSpectrumFrontEnd::logPowerSpectrum(const qint16 *samples, size_t count,
                                                               const QList<qint64> &audioFrames,
                                                               const Framing &framing, int bins)
{
    AudioPowerSpectrumInfo info;
    info.spectrumSize = bins;
    if (audioFrames.isEmpty() || bins <= 0 || framing.frameShift <= 0 || framing.frameSize <= 1
        || framing.fftSize < framing.frameSize)
        return info;

    SpeechLibraryLock::Guard lock(SpeechLibraryLock::mutex());  // FFTW planning
    const int size = framing.frameSize;
    const int fftSize = framing.fftSize;
    const int outputBins = fftSize / 2 + 1;
    std::unique_ptr<double, FftwDeleter> input(fftw_alloc_real(size_t(fftSize)));
    std::unique_ptr<fftw_complex, FftwDeleter> output(fftw_alloc_complex(size_t(outputBins)));
    std::unique_ptr<fftw_plan_s, PlanDeleter> plan(
        fftw_plan_dft_r2c_1d(fftSize, input.get(), output.get(), FFTW_ESTIMATE));
    if (!input || !output || !plan)
        return info;

    std::vector<double> window(static_cast<size_t>(size));
    for (int i = 0; i < size; ++i)
        window[size_t(i)] = 0.54 - 0.46 * std::cos(2.0 * std::numbers::pi * i / (size - 1));

    auto sampleAt = [&](qint64 index) -> double {
        return index >= 0 && quint64(index) < count ? double(samples[index]) : 0.0;
    };
    info.powerData.reserve(audioFrames.size());
    for (const qint64 frame : audioFrames) {
        const qint64 start = frame * framing.frameShift;
        double *in = input.get();
        double previous = sampleAt(start - 1);
        for (int i = 0; i < size; ++i) {
            const double current = sampleAt(start + i);
            in[i] = (current - framing.preEmphasis * previous) * window[size_t(i)];
            previous = current;
        }
        std::fill(in + size, in + fftSize, 0.0);
        fftw_execute(plan.get());

        QList<double> row(bins, 0.0);
        for (int b = 0; b < std::min(bins, outputBins); ++b) {
            const double re = output.get()[b][0];
            const double im = output.get()[b][1];
            const double value = std::log(re * re + im * im);
            row[b] = value > 0.0 ? value : 0.0;  // also catches -inf and NaN
            info.maxPower = std::max(info.maxPower, row[b]);
        }
        info.powerData.append(std::move(row));
    }
    info.frameCount = quint64(info.powerData.size());
    return info;
}
