// Audio decoding of outside files: the recogniser's decoding to 16 kHz mono 16-bit samples
// (ZQAudioUtil::decodeAudioDataFromFile) and the player's decoding into a float clip
// (AudioClip::fromFile). Input: mode, file bytes (WAV, CAF/ALAC, MP3, FLAC, ... or anything).
//
// Promises checked: a failure is a status or a message, never a crash; a decoded block is
// whole 16-bit samples within the length limit; a clip holds whole frames of finite samples
// within -1..1 (what the output stage expects).
#include "FuzzSupport.h"

#include "platform/media/AudioClip.h"
#include "speech/ZQAudioUtil.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace FuzzSupport;
    init();
    const Input input = split(data, size, 1);
    const QString path = scratchFile(QStringLiteral("sound"), input.parts[0]);

    if ((input.mode & 1) == 0) {
        AudioDataInfo info;
        const qint32 status = ZQAudioUtil::decodeAudioDataFromFile(path, info);
        if (status == ZQAudioUtil::StatusOk) {
            fuzzCheck(info.size == info.data.size(), "the size field matches the samples");
            fuzzCheck(info.size % 2 == 0, "the block holds whole 16-bit samples");
            fuzzCheck(info.size / 2 <= ZQAudioUtil::kMaxDurationSeconds * ZQAudioUtil::kTargetSampleRate,
                      "the block stays within the length limit");
        } else {
            fuzzCheck(info.size == 0 && info.data.isEmpty(), "a failed decode leaves the record untouched");
        }
        return 0;
    }
    QString error;
    const std::shared_ptr<const AudioClip> clip = AudioClip::fromFile(path, &error);
    if (!clip) {
        fuzzCheck(!error.isEmpty() && error.contains(path), "a refused file gets a message naming it");
        return 0;
    }
    fuzzCheck(clip->channels() >= 1 && clip->sampleRate() >= 1, "a clip has channels and a rate");
    fuzzCheck(clip->samples().size() % size_t(clip->channels()) == 0, "a clip holds whole frames");
    for (const float sample : clip->samples())
        fuzzCheck(std::isfinite(sample) && std::fabs(sample) <= 1.0f, "clip samples are finite and within -1..1");
    return 0;
}
