// Release-to-result of the comparison engine for a 3-second recording, next to ONE bare
// decode of the same samples with the same models, measured in the same run:
//   first recording of a phrase (model generated, model voice decoded), without and with
//   the early start (prepare() while the learner speaks), and a repeated recording of the
//   same phrase (model files and model voice reused), without and with the early start.
//
// Usage: bench_comparison [ROUNDS]          timing, median of ROUNDS (default 7)
//        bench_comparison --memory [COUNT]  resident set before and after COUNT comparisons
#include "common/ComparisonBench.h"
#include "platform/foundation/ResourceLocator.h"
#include "speech/PronunciationComparison.h"
#include "speech/SpeechWorker.h"
#include "speech/ZQAudioUtil.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>
#include <vector>

using namespace ComparisonBench;

namespace {
long residentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

struct Setup
{
    ComparisonRequest request;
    QString recording;
};

// One release: a new engine (as a new panel makes), optionally prepared while the learner
// speaks (the preparation is left to finish, as it does within a 3-second recording), then
// the timed compare(). Returns the milliseconds from release to result.
double release(const Setup &setup, bool first, bool earlyStart, ComparisonResult *out = nullptr)
{
    if (first)
        PronunciationComparison::clearCaches();
    PronunciationComparison comparison(setup.request);
    if (earlyStart) {
        comparison.prepare();
        SpeechWorker::instance().waitUntilIdle();
    }
    QElapsedTimer timer;
    timer.start();
    const ComparisonResult result = comparison.compare(setup.recording);
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    if (out)
        *out = result;
    return ms;
}

int memoryRun(const Setup &setup, int count)
{
    // The allocator keeps the first runs' peak, so the figure that matters is whether the
    // resident set keeps growing after them.
    std::printf("memory: resident set before the first comparison: %ld kB\n", residentKilobytes());
    long afterWarmUp = 0;
    for (int i = 1; i <= count; ++i) {
        PronunciationComparison comparison(setup.request);
        comparison.prepare();
        comparison.compare(setup.recording);
        if (i == 10)
            afterWarmUp = residentKilobytes();
        if (i == 1 || i == 10 || i % 250 == 0 || i == count)
            std::printf("  after %4d comparisons: %ld kB\n", i, residentKilobytes());
    }
    if (count >= 10)
        std::printf("growth from comparison 10 to %d: %+ld kB\n", count, residentKilobytes() - afterWarmUp);
    return 0;
}

void printRow(const char *name, double ms, double bare, const char *target)
{
    std::printf("  %-36s %7.1f ms  %5.2fx one bare decode%s\n", name, ms, ms / bare, target);
}
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const bool memory = argc > 1 && QByteArray(argv[1]) == "--memory";
    const int count = argc > (memory ? 2 : 1) ? std::atoi(argv[memory ? 2 : 1]) : (memory ? 1000 : 7);
    Setup setup;
    setup.request.acousticModelPath = ResourceLocator::bundlePath(QStringLiteral("EnglishAcousticModel"));
    if (setup.request.acousticModelPath.isEmpty()) {
        std::fprintf(stderr, "the acoustic model bundle was not found (%s)\n",
                     qPrintable(ResourceLocator::describeSearch()));
        return 1;
    }
    QTemporaryDir dir;
    if (!makeRecordings(dir.path(), &setup.request.standardAudioPath, &setup.recording)) {
        std::fprintf(stderr, "flite and sox are needed\n");
        return 1;
    }
    setup.request.expectedSentence = kSentence;
    setup.request.phraseContents = kCategory;
    setup.request.modelDirectory = dir.path() + QStringLiteral("/lm");
    if (memory)
        return memoryRun(setup, count);

    AudioDataInfo info;
    ZQAudioUtil::decodeAudioDataFromFile(setup.recording, info);
    const std::vector<qint16> samples = ZQAudioUtil::getAudioDataShortForByte(info);
    PronunciationComparison models(setup.request);
    const ComparisonResult reference = models.compare(setup.recording);
    std::vector<double> bare, first, firstEarly, repeated, repeatedEarly, audio, recognition, scoring;
    ComparisonResult last;
    for (int round = 0; round < count; ++round) {
        QElapsedTimer timer;
        timer.start();
        bareDecode(reference.models->languageModelPath, reference.models->dictionaryPath,
                   setup.request.acousticModelPath, samples);
        bare.push_back(double(timer.nsecsElapsed()) / 1e6);
        first.push_back(release(setup, true, false));
        firstEarly.push_back(release(setup, true, true));
        repeated.push_back(release(setup, false, false));
        repeatedEarly.push_back(release(setup, false, true, &last));
        audio.push_back(last.timings.audioMs);
        recognition.push_back(last.timings.recognitionMs);
        scoring.push_back(last.timings.scoringMs);
    }
    const double base = median(bare);
    std::printf("recording: %.2f s, score %.1f, median of %d rounds\n", double(samples.size()) / 16000.0,
                double(last.score), count);
    std::printf("  %-36s %7.1f ms\n", "one bare decode (same audio, models)", base);
    printRow("first recording", median(first), base, "");
    printRow("first recording, early start", median(firstEarly), base, "  (target <= 1.5x)");
    printRow("repeated recording", median(repeated), base, "  (target <= 1.5x)");
    printRow("repeated recording, early start", median(repeatedEarly), base, "  (moonshot <= 0.5x)");
    std::printf("  of which: reading the recording %.1f ms, its recognition (decode, words, spectrum, "
                "prepared decoder) %.1f ms, scoring %.2f ms\n",
                median(audio), median(recognition), median(scoring));
    return 0;
}
