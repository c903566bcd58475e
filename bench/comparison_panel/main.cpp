// Release-to-panel time: SpectrumCompView::show for a 3-second recording (a new panel each
// round, so each opening generates its model and runs its three recognitions, then lays
// out and renders both voiceprints), offscreen, next to the floor of three bare decodes of
// the same samples with the same models.
//
// Usage: bench_comparison_panel [ROUNDS]   median of ROUNDS (default 7)
#include "common/ComparisonBench.h"
#include "platform/foundation/PlatformPaths.h"
#include "platform/foundation/ResourceLocator.h"
#include "speech/views/SpectrumCompView.h"
#include "speech/ZQAudioUtil.h"
#include "content/ZQFileUtil.h"
#include "speech/views/ZQSpectrumPanel.h"
#include "speech/views/ZQAudioSpectrumView.h"


#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace ComparisonBench;

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

    std::vector<double> panel, floor;
    int score = 0, width = 0;
    QString lm, dict;
    for (int round = 0; round < rounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        auto *view = new SpectrumCompView(QRectF(10, 60, 355, 400), &window);
        view->setPhraseInfos(phrases);
        view->show(kSentence, voice, recording);
        panel.push_back(timer.nsecsElapsed() / 1e6);
        score = view->score();
        width = view->estimatedSpectrumPanel()->asView()->rgbaData().width();
        lm = view->languageModelPath().value_or(QString());
        dict = view->dictionaryPath().value_or(QString());
        delete view;

        timer.restart();
        for (int i = 0; i < 3; ++i)
            bareDecode(lm, dict, acoustic, samples);
        floor.push_back(timer.nsecsElapsed() / 1e6);
    }
    const double total = median(panel), base = median(floor);
    std::printf("recording: %.2f s, score %d/10, voiceprint %d px wide\n", double(samples.size()) / 16000.0, score,
                width);
    std::printf("SpectrumCompView::show (generation + 3 recognitions + scoring + layout + images), median of %d: "
                "%.1f ms\n", rounds, total);
    std::printf("floor (3 bare decodes, same audio and models): %.1f ms\n", base);
    std::printf("ratio: %.2fx (target <= 1.3x), total %s 500 ms\n", total / base, total < 500 ? "<" : ">=");
    return 0;
}
