// phrasebook-score [--corpus FILE] [--model-dir DIR] [--acoustic-model DIR] EXPECTED AUDIO
// phrasebook-score --batch LIST.tsv [--jobs N] [--corpus FILE] [--acoustic-model DIR]
// Single file: prints one JSON object (score, hypothesis, advice, words, frames, timingsMs,
// assessment).
// Batch: prints one such object per list line (JSON Lines, list order) with its "line".
// Exit status: 0 scored (every line), 1 the audio or the model failed (JSON "error"; in a
// batch: at least one line failed, all lines still written), 2 wrong arguments.
#include "BatchList.h"
#include "BatchScorer.h"
#include "BatchWorker.h"
#include "platform/foundation/ResourceLocator.h"
#include "ScoreRun.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>

#include <cstdio>
#include <unistd.h>

namespace {
int usageError(const QString &message)
{
    std::fprintf(stderr, "phrasebook-score: %s\nTry 'phrasebook-score --help'.\n",
                 message.toLocal8Bit().constData());
    return 2;
}

struct Options
{
    QCommandLineOption corpus{QStringLiteral("corpus"),
                              QStringLiteral("The phrase list EXPECTED belongs to, one phrase per line (blank lines "
                                             "skipped); the words of lines 0 to n / 5 join the model."),
                              QStringLiteral("FILE")};
    QCommandLineOption modelDir{QStringLiteral("model-dir"),
                                QStringLiteral("Keep the generated test.arpa, test.DMP and test.dic in DIR (created "
                                               "when missing; not with --batch)."),
                                QStringLiteral("DIR")};
    QCommandLineOption acoustic{QStringLiteral("acoustic-model"),
                                QStringLiteral("The acoustic model bundle (default: EnglishAcousticModel.bundle of the "
                                               "resources)."),
                                QStringLiteral("DIR")};
    QCommandLineOption batch{QStringLiteral("batch"),
                             QStringLiteral("Score every line of LIST (a sentence, a tab, an audio path relative to "
                                            "LIST's folder) and print one JSON object per line, in order."),
                             QStringLiteral("LIST")};
    QCommandLineOption jobs{QStringLiteral("jobs"),
                            QStringLiteral("With --batch: recordings scored at once, one process each (default: the "
                                           "number of cores)."),
                            QStringLiteral("N")};
    // A batch starts its workers with this option; not for people.
    QCommandLineOption worker{QStringLiteral("batch-worker")};

    Options() { worker.setFlags(QCommandLineOption::HiddenFromHelp); }
};

const char *description()
{
    return "Scores a recording of EXPECTED (a sentence) from 0 to 100 as the comparison panel does:\n"
           "a trigram model and dictionary of the sentence's words (plus the words of the first\n"
           "phrases of the corpus file, as the panel takes them from its phrase list) are generated,\n"
           "AUDIO is recognised, and the result printed as JSON; each word has its startMs and\n"
           "endMs in AUDIO.\n"
           "\n"
           "With --batch LIST.tsv, scores every line of LIST (\"EXPECTED<TAB>AUDIO\"; blank lines and\n"
           "lines starting with # skipped) on --jobs processes and prints one JSON object per line\n"
           "(JSON Lines) in list order, each with its \"line\" number; a bad line or an unreadable\n"
           "file gets an \"error\" text in its object and the batch goes on. Progress is shown on\n"
           "standard error when it is a terminal. Example:\n"
           "  printf 'Good morning.\\tmorning.wav\\nHello!\\thello.wav\\n' > list.tsv\n"
           "  phrasebook-score --batch list.tsv --jobs 2 > scores.jsonl\n"
           "\n"
           "Exit status: 0 every recording scored; 1 the audio or the model failed (in a batch: at\n"
           "least one line failed, every line still written); 2 wrong arguments.";
}

bool readCorpus(const QString &path, QStringList *lines, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        *error = QStringLiteral("cannot read the corpus file %1: %2").arg(file.fileName(), file.errorString());
        return false;
    }
    QTextStream stream(&file);
    while (!stream.atEnd()) {
        const QString line = stream.readLine();
        if (!line.trimmed().isEmpty())
            lines->append(line);
    }
    return true;
}

// The request parts every mode shares: the corpus and the acoustic model.
bool baseRequest(const QCommandLineParser &parser, const Options &options, ScoreRequest *request, QString *error)
{
    if (parser.isSet(options.corpus) && !readCorpus(parser.value(options.corpus), &request->corpusLines, error))
        return false;
    request->acousticModelPath = parser.isSet(options.acoustic)
        ? parser.value(options.acoustic)
        : ResourceLocator::bundlePath(QStringLiteral("EnglishAcousticModel"));
    if (request->acousticModelPath.isEmpty() || !QFileInfo(request->acousticModelPath).isDir()) {
        *error = QStringLiteral("the acoustic model bundle was not found (%1)")
                     .arg(parser.isSet(options.acoustic) ? parser.value(options.acoustic)
                                                         : ResourceLocator::describeSearch());
        return false;
    }
    request->acousticModelPath = QFileInfo(request->acousticModelPath).absoluteFilePath();
    return true;
}

int runWorker(ScoreRequest request)
{
    QTemporaryDir models;
    if (!models.isValid()) {
        std::fprintf(stderr, "phrasebook-score: cannot create a temporary folder\n");
        return 1;
    }
    request.modelDirectory = models.path();
    return BatchWorker::run(request, stdin, stdout);
}

int runBatch(const QCommandLineParser &parser, const Options &options, const ScoreRequest &request)
{
    if (parser.isSet(options.modelDir))
        return usageError(QStringLiteral("--model-dir cannot be used with --batch (each process keeps its models "
                                         "in a temporary folder)"));
    if (!parser.positionalArguments().isEmpty())
        return usageError(QStringLiteral("--batch takes no EXPECTED or AUDIO argument"));
    BatchScorer::Options batch;
    batch.jobs = QThread::idealThreadCount();
    if (parser.isSet(options.jobs)) {
        bool ok = false;
        batch.jobs = parser.value(options.jobs).toInt(&ok);
        if (!ok || batch.jobs < 1 || batch.jobs > 256)
            return usageError(QStringLiteral("--jobs needs a number from 1 to 256 (got '%1')")
                                  .arg(parser.value(options.jobs)));
    }
    QList<BatchEntry> entries;
    QString error;
    if (!BatchList::read(parser.value(options.batch), &entries, &error))
        return usageError(error);
    if (entries.isEmpty())
        return usageError(QStringLiteral("the list %1 holds no line to score").arg(parser.value(options.batch)));
    batch.program = QCoreApplication::applicationFilePath();
    batch.workerArguments = {QStringLiteral("--batch-worker"), QStringLiteral("--acoustic-model"),
                             request.acousticModelPath};
    if (parser.isSet(options.corpus))
        batch.workerArguments << QStringLiteral("--corpus") << QFileInfo(parser.value(options.corpus)).absoluteFilePath();
    batch.progress = isatty(fileno(stderr)) ? stderr : nullptr;
    return BatchScorer(entries, batch).run() == 0 ? 0 : 1;
}

int runSingle(const QCommandLineParser &parser, const Options &options, ScoreRequest request)
{
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 2)
        return usageError(QStringLiteral("expected two arguments, EXPECTED and AUDIO (got %1)").arg(positional.size()));
    request.expectedSentence = positional.at(0);
    request.audioPath = positional.at(1);
    if (request.expectedSentence.trimmed().isEmpty())
        return usageError(QStringLiteral("EXPECTED is empty"));

    QTemporaryDir temporary;
    if (parser.isSet(options.modelDir)) {
        request.modelDirectory = parser.value(options.modelDir);
        if (!QDir().mkpath(request.modelDirectory))
            return usageError(QStringLiteral("the model folder %1 cannot be created").arg(request.modelDirectory));
    } else {
        if (!temporary.isValid()) {
            std::fprintf(stderr, "phrasebook-score: cannot create a temporary folder\n");
            return 1;
        }
        request.modelDirectory = temporary.path();
    }
    int exitCode = 0;
    const QJsonObject result = ScoreRun::run(request, &exitCode);
    std::fputs(QJsonDocument(result).toJson(QJsonDocument::Indented).constData(), stdout);
    return exitCode;
}
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("phrasebook-score"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromUtf8(description()));
    parser.addHelpOption();
    const Options options;
    parser.addOptions({options.corpus, options.modelDir, options.acoustic, options.batch, options.jobs, options.worker});
    parser.addPositionalArgument(QStringLiteral("EXPECTED"), QStringLiteral("The sentence the speaker should say."));
    parser.addPositionalArgument(QStringLiteral("AUDIO"), QStringLiteral("The recording (WAV, MP3, CAF, FLAC, ...)."));
    if (!parser.parse(app.arguments()))
        return usageError(parser.errorText());
    if (parser.isSet(QStringLiteral("help")))
        parser.showHelp(0);
    if (parser.isSet(options.jobs) && !parser.isSet(options.batch))
        return usageError(QStringLiteral("--jobs is only for --batch"));

    ScoreRequest request;
    QString error;
    if (!baseRequest(parser, options, &request, &error))
        return usageError(error);
    if (parser.isSet(options.worker))
        return runWorker(request);
    if (parser.isSet(options.batch))
        return runBatch(parser, options, request);
    return runSingle(parser, options, request);
}
