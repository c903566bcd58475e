#include "ComparisonBench.h"

#include <pocketsphinx.h>
#include <sphinxbase/err.h>

#include <QProcess>

#include <algorithm>

namespace ComparisonBench {
const QString kSentence = QStringLiteral("Where is the train station?");
const QStringList kCategory = {
    QStringLiteral("Where is the train station?"), QStringLiteral("How much is a ticket?"),
    QStringLiteral("One ticket, please."), QStringLiteral("Where is the bus stop?"),
    QStringLiteral("What time does the train leave?"), QStringLiteral("I have a reservation."),
    QStringLiteral("Where is the toilet?"), QStringLiteral("Can you help me, please?"),
    QStringLiteral("I'm lost."), QStringLiteral("How do I get to the airport?")};

namespace {
bool run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(60000) && process.exitCode() == 0;
}
}

bool makeRecordings(const QString &folder, QString *voice, QString *recording)
{
    *voice = folder + "/voice.wav";
    *recording = folder + "/recording.wav";
    const QString raw = folder + "/raw.wav";
    return run("flite", {"-voice", "slt", "-t", kSentence, "-o", *voice})
        && run("flite", {"-voice", "kal16", "-t", kSentence, "-o", raw})
        && run("sox", {raw, "-r", "16000", "-c", "1", *recording, "pad", "0.5", "3", "trim", "0", "3"});
}

void bareDecode(const QString &lmPath, const QString &dictPath, const QString &acoustic,
                const std::vector<short> &samples)
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
