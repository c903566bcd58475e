// Release-to-panel: SpectrumCompView::show for a 3-second recording (a new panel each round,
// as the phrase card makes one per release: the comparison, the layout and both
// voiceprint images), offscreen, next to ONE bare decode of the same samples with the
// same models: the first recording of a phrase, with and without the early start the card
// makes on the microphone press, and a repeated recording.
//
// Usage: bench_comparison_panel [ROUNDS]   median of ROUNDS (default 7)
#include "common/ComparisonBench.h"
#include "platform/foundation/PlatformPaths.h"
#include "platform/foundation/ResourceLocator.h"
#include "speech/SpeechWorker.h"
#include "speech/ZQAudioUtil.h"
#include "speech/views/SpectrumCompView.h"
#include "speech/views/ZQAudioSpectrumView.h"
#include "speech/views/ZQSpectrumPanel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace ComparisonBench;

namespace {
struct Round
{
    double ms = 0.0;
    int score = 0;
    int width = 0;
    QString lm, dict;
};

Round release(QWidget *window, const QList<PhraseInfoPtr> &phrases, const QString &voice,
              const QString &recording, bool first, bool earlyStart)
{
    if (first)
        PronunciationComparison::clearCaches();
    std::shared_ptr<PronunciationComparison> prepared;
    if (earlyStart) {
        prepared = SpectrumCompView::startComparison(kSentence, voice, phrases);
        SpeechWorker::instance().waitUntilIdle();  // done well within the 3 s of speech
    }
    QElapsedTimer timer;
    timer.start();
    auto *view = new SpectrumCompView(QRectF(10, 60, 355, 400), window);
    view->setPhraseInfos(phrases);
    view->setComparison(prepared);
    view->show(kSentence, voice, recording);
    Round round;
    round.ms = double(timer.nsecsElapsed()) / 1e6;
    round.score = view->score();
    round.width = view->estimatedSpectrumPanel()->asView()->rgbaData().width();
    round.lm = view->languageModelPath().value_or(QString());
    round.dict = view->dictionaryPath().value_or(QString());
    delete view;
    return round;
}
}

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    const QString acoustic = ResourceLocator::bundlePath(QStringLiteral("EnglishAcousticModel"));
    if (acoustic.isEmpty()) {
        std::fprintf(stderr, "the acoustic model bundle was not found (%s)\n",
                     qPrintable(ResourceLocator::describeSearch()));
        return 1;
    }
    QTemporaryDir dir;
    PlatformPaths::setDocumentsOverride(dir.path() + QStringLiteral("/Documents"));
    QString voice, recording;
    if (!makeRecordings(dir.path(), &voice, &recording)) {
        std::fprintf(stderr, "flite and sox are needed\n");
        return 1;
    }
    QList<PhraseInfoPtr> phrases;
    for (const QString &text : kCategory) {
        auto phrase = std::make_shared<PhraseInfo>();
        phrase->content = text;
        phrases.append(phrase);
    }
    QWidget window;
    window.resize(375, 667);
    AudioDataInfo info;
    ZQAudioUtil::decodeAudioDataFromFile(recording, info);
    const std::vector<qint16> samples = ZQAudioUtil::getAudioDataShortForByte(info);

    std::vector<double> bare, first, firstEarly, repeated;
    Round last;
    for (int round = 0; round < rounds; ++round) {
        first.push_back(release(&window, phrases, voice, recording, true, false).ms);
        firstEarly.push_back(release(&window, phrases, voice, recording, true, true).ms);
        last = release(&window, phrases, voice, recording, false, false);
        repeated.push_back(last.ms);
        QElapsedTimer timer;
        timer.start();
        bareDecode(last.lm, last.dict, acoustic, samples);
        bare.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    const double base = median(bare);
    std::printf("recording: %.2f s, score %d/10, voiceprint %d px wide, median of %d rounds\n",
                double(samples.size()) / 16000.0, last.score, last.width, rounds);
    std::printf("  %-38s %7.1f ms\n", "one bare decode (same audio, models)", base);
    for (const auto &[name, values] : {std::pair{"show, first recording", &first},
                                       std::pair{"show, first recording, early start", &firstEarly},
                                       std::pair{"show, repeated recording", &repeated}})
        std::printf("  %-38s %7.1f ms  %5.2fx one bare decode\n", name, median(*values), median(*values) / base);
    return 0;
}
