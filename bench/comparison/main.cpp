// The comparison of one 3-second recording as the comparison panel runs it: model
// generation, three recognitions (the recording for the score, the model voice and the
// recording again for the voiceprints, each with its power spectra) and the scoring; next
// to the floor: three bare decodes of the same samples with the same models.
//
// Usage: bench_comparison [ROUNDS]          timing, median of ROUNDS (default 7)
//        bench_comparison --memory [COUNT]  resident set before and after COUNT comparisons
#include "common/ComparisonBench.h"
#include "tools/score/ScoreRun.h"
#include "platform/foundation/ResourceLocator.h"
#include "speech/ZQAppCommon.h"
#include "speech/ZQAudioUtil.h"
#include "speech/ZQLanguageModelTrainer.h"
#include "speech/ZQPSRecognizer.h"


#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
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

struct Models
{
    QString lm, dict;
};

Models generate(const QString &folder, const QString &acoustic)
{
    ZQLanguageModelTrainer trainer;
    trainer.setLmBasePath(folder);
    const ZQStatus status = trainer.generateLanguageModelFromArray(
        ZQAppCommon::comparisonCorpusWords(kSentence, kCategory), QStringLiteral("test"), acoustic);
    return {status.userInfo.value("LMPath").toString(), status.userInfo.value("DictionaryPath").toString()};
}

// The panel's work for one opening.
float comparison(const QString &folder, const QString &acoustic, const QString &voice, const QString &recording)
{
    const Models models = generate(folder, acoustic);
    ZQPSRecognizer scored;
    scored.runRecognitionOnWavFileAtPath(recording, models.lm, models.dict, acoustic, false);
    QVariantMap advice;
    const float score = ZQPSRecognizer::getScore(scored.wordsInfo(), kSentence, advice);
    ZQPSRecognizer standard;
    standard.runRecognitionOnWavFileAtPath(voice, models.lm, models.dict, acoustic, false);
    ZQPSRecognizer estimated;
    estimated.runRecognitionOnWavFileAtPath(recording, models.lm, models.dict, acoustic, false);
    return score;
}

// Decoder creation, one full utterance over samples already in memory, the hypothesis.

}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const bool memory = argc > 1 && QByteArray(argv[1]) == "--memory";
    const int count = argc > (memory ? 2 : 1) ? std::atoi(argv[memory ? 2 : 1]) : (memory ? 1000 : 7);
    const QString acoustic = ResourceLocator::bundlePath(QStringLiteral("EnglishAcousticModel"));
    if (acoustic.isEmpty()) {
        std::fprintf(stderr, "the acoustic model bundle was not found (%s)\n",
                     qPrintable(ResourceLocator::describeSearch()));
        return 1;
    }
    QTemporaryDir dir;
    // A 3-second "recording": the sentence read by another voice, padded with silence.
    QString voice, recording;
    if (!makeRecordings(dir.path(), &voice, &recording)) {
        std::fprintf(stderr, "flite and sox are needed\n");
        return 1;
    }

    if (memory) {
        // The resident set at checkpoints: the allocator keeps the first runs' peak, so the
        // figure that matters is whether it keeps growing after them.
        std::printf("memory: resident set before the first comparison: %ld kB\n", residentKilobytes());
        long afterWarmUp = 0;
        for (int i = 1; i <= count; ++i) {
            comparison(dir.path(), acoustic, voice, recording);
            if (i == 10)
                afterWarmUp = residentKilobytes();
            if (i == 1 || i == 10 || i % 250 == 0 || i == count)
                std::printf("  after %4d comparisons: %ld kB\n", i, residentKilobytes());
        }
        if (count >= 10)
            std::printf("growth from comparison 10 to %d: %+ld kB\n", count, residentKilobytes() - afterWarmUp);
        return 0;
    }

    AudioDataInfo info;
    ZQAudioUtil::decodeAudioDataFromFile(recording, info);
    const std::vector<qint16> samples = ZQAudioUtil::getAudioDataShortForByte(info);
    const Models models = generate(dir.path(), acoustic);
    std::vector<double> full, floor, generation;
    float score = 0;
    for (int round = 0; round < count; ++round) {
        QElapsedTimer timer;
        timer.start();
        generate(dir.path(), acoustic);
        generation.push_back(timer.nsecsElapsed() / 1e6);
        timer.restart();
        score = comparison(dir.path(), acoustic, voice, recording);
        full.push_back(timer.nsecsElapsed() / 1e6);
        timer.restart();
        for (int i = 0; i < 3; ++i)
            bareDecode(models.lm, models.dict, acoustic, samples);
        floor.push_back(timer.nsecsElapsed() / 1e6);
    }
    const double total = median(full), base = median(floor);
    std::printf("recording: %.2f s, score %.1f\n", double(samples.size()) / 16000.0, double(score));
    std::printf("comparison (generation + 3 recognitions + scoring + spectra), median of %d: %.1f ms\n", count, total);
    std::printf("  of which model generation: %.1f ms\n", median(generation));
    std::printf("floor (3 bare decodes, same audio and models): %.1f ms\n", base);
    std::printf("ratio: %.2fx (target <= 1.3x), total %s 500 ms\n", total / base, total < 500 ? "<" : ">=");
    return 0;
}
