// Release-to-panel time: SpectrumCompView::show for a 3-second recording (a new panel each
// round, so each opening generates its model and runs its three recognitions, then lays
// out and renders both voiceprints), offscreen, next to the floor of three bare decodes of
// the same samples with the same models.
//
// Usage: bench_comparison_panel [ROUNDS]   median of ROUNDS (default 7)
#include "PlatformPaths.h"
#include "ResourceLocator.h"
#include "SpectrumCompView.h"
#include "ZQAudioUtil.h"
#include "ZQFileUtil.h"
#include "ZQSpectrumPanel.h"
#include "ZQAudioSpectrumView.h"

#include <pocketsphinx.h>
#include <sphinxbase/err.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
const QString kSentence = QStringLiteral("Where is the train station?");
const QStringList kCategory = {
    QStringLiteral("Where is the train station?"), QStringLiteral("How much is a ticket?"),
    QStringLiteral("One ticket, please."), QStringLiteral("Where is the bus stop?"),
    QStringLiteral("What time does the train leave?"), QStringLiteral("I have a reservation."),
    QStringLiteral("Where is the toilet?"), QStringLiteral("Can you help me, please?"),
    QStringLiteral("I'm lost."), QStringLiteral("How do I get to the airport?")};

bool run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(60000) && process.exitCode() == 0;
}

void bareDecode(const QString &lmPath, const QString &dictPath, const QString &acoustic,
                const std::vector<qint16> &samples)
{
    err_set_logfp(nullptr);
    const QByteArray lm = lmPath.toUtf8(), dict = dictPath.toUtf8(), hmm = acoustic.toUtf8();
    cmd_ln_t *config = cmd_ln_init(nullptr, ps_args(), TRUE, "-lm", lm.constData(), "-dict", dict.constData(),
                                   "-hmm", hmm.constData(), "-beam", "1e-96", "-fwdflatbeam", "1e-128",
                                   "-lw", "6.500000", "-samprate", "16000", nullptr);
    ps_decoder_t *decoder = ps_init(config);
    cmd_ln_free_r(config);
    ps_start_utt(decoder);
    ps_process_raw(decoder, samples.data(), samples.size(), FALSE, TRUE);
    ps_end_utt(decoder);
    int32 score = 0;
    ps_get_hyp(decoder, &score);
    ps_free(decoder);
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
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
    const QString voice = dir.path() + "/voice.wav", raw = dir.path() + "/raw.wav",
                  recording = dir.path() + "/recording.wav";
    if (!run("flite", {"-voice", "slt", "-t", kSentence, "-o", voice})
        || !run("flite", {"-voice", "kal16", "-t", kSentence, "-o", raw})
        || !run("sox", {raw, "-r", "16000", "-c", "1", recording, "pad", "0.5", "3", "trim", "0", "3"})) {
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
