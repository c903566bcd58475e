#pragma once

#include "speech/RecognitionBackend.h"

#include <atomic>

// The real recogniser, counting its decodes (the comparison engine's and the panel's tests).
class CountingBackend : public PocketSphinxBackend
{
public:
    VoiceRecognition recognise(std::vector<qint16> samples, const RecognitionModels &models) override
    {
        ++decodes;
        return PocketSphinxBackend::recognise(std::move(samples), models);
    }
    std::atomic<int> decodes{0};
};
