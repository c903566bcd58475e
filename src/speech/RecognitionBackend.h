#pragma once

#include "VoiceRecognition.h"
#include "ZQPSRecognizer.h"

#include <QString>

#include <optional>
#include <vector>

// The recogniser as the comparison engine sees it: a pure function of (samples, language
// model, dictionary, acoustic model, decoder arguments). That is what lets the engine
// reuse a recognition instead of running it again, and what a test counts.
//
// Thread: a backend is used by one thread at a time (the engine serialises its calls).
// Failure: recognise() returns a record without words and spectrum when no decoder can be
// made; it never throws.
class RecognitionBackend
{
public:
    virtual ~RecognitionBackend();

    // Names the recogniser and its fixed arguments: backends with the same identity give the
    // same result for the same input, so their results may be cached together.
    virtual QString identity() const = 0;
    // Optional set-up ahead of a recognition with `models` (loading the acoustic model);
    // never decodes anything.
    virtual void prepare(const RecognitionModels &models);
    // One recognition of 16 kHz mono samples: hypothesis, word records, word times and
    // power spectrum (audioStatus and durationMs are the caller's).
    virtual VoiceRecognition recognise(std::vector<qint16> samples, const RecognitionModels &models) = 0;
};

// ZQPSRecognizer behind the interface. prepare() makes the decoder of the next recognition
// with those models ahead of time (a fresh decoder, used for one recognition only, so no
// two recognitions share decoder state); recognise() makes one when none is ready.
//
// Ownership: holds at most one prepared decoder, released with the backend.
class PocketSphinxBackend : public RecognitionBackend
{
public:
    PocketSphinxBackend();
    ~PocketSphinxBackend() override;

    QString identity() const override;
    void prepare(const RecognitionModels &models) override;
    VoiceRecognition recognise(std::vector<qint16> samples, const RecognitionModels &models) override;

private:
    ZQPSRecognizer::Decoder takeDecoder(const RecognitionModels &models);

    std::optional<RecognitionModels> m_preparedModels;
    ZQPSRecognizer::Decoder m_preparedDecoder;
};
