// The WAVE chunk reader (ZQAudioUtil::decodeWaveData): walks RIFF chunks to "fmt " and
// "data". Input: mode (unused), file bytes.
//
// Promises checked: a file is read or refused, never a crash; a read block never claims more
// bytes than it holds, nor more than the file had.
#include "FuzzSupport.h"

#include "speech/ZQAudioUtil.h"

#include <cstdio>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // The reader prints "Error" to standard output for a file that is not RIFF/WAVE; keep
    // the fuzzer's own output readable.
    std::freopen("/dev/null", "w", stdout);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace FuzzSupport;
    init();
    const Input input = split(data, size, 1);
    const QString path = scratchFile(QStringLiteral("sound.wav"), input.parts[0]);
    AudioDataInfo info;
    if (ZQAudioUtil::decodeWaveData(path, info)) {
        fuzzCheck(info.size == info.data.size(), "the size field matches the data");
        fuzzCheck(std::size_t(info.size) + 44 <= input.parts[0].size(), "the data fits inside the file");
        fuzzCheck(ZQAudioUtil::getAudioDataShortForByte(info).size() == std::size_t(info.size / 2),
                  "the samples are the data's whole 16-bit values");
    } else {
        fuzzCheck(info.size == 0 && info.data.isEmpty(), "a refused file leaves the record untouched");
    }
    return 0;
}
