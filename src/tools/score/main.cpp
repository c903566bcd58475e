// phrasebook-score [--corpus FILE] [--model-dir DIR] [--acoustic-model DIR] EXPECTED AUDIO
// Prints one JSON object: score, hypothesis, advice, words, frames, timingsMs, assessment.
// Exit status: 0 scored, 1 the audio or the model failed (JSON "error"), 2 wrong arguments.
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

#include <cstdio>

namespace {
int usageError(const QString &message)
{
    std::fprintf(stderr, "phrasebook-score: %s\nTry 'phrasebook-score --help'.\n",
                 message.toLocal8Bit().constData());
    return 2;
}
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("phrasebook-score"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Scores a recording of EXPECTED (a sentence) from 0 to 100 as the comparison panel does:\n"
        "a trigram model and dictionary of the sentence's words (plus the words of the first\n"
        "phrases of the corpus file, as the panel takes them from its phrase list) are generated,\n"
        "AUDIO is recognised, and the result printed as JSON; each word has its startMs and\n"
        "endMs in AUDIO."));
    parser.addHelpOption();
    const QCommandLineOption corpus(QStringLiteral("corpus"),
                                    QStringLiteral("The phrase list EXPECTED belongs to, one phrase per line (blank lines "
                                                                   "skipped); the words of lines 0 to n / 5 join the model."),
                                    QStringLiteral("FILE"));
    const QCommandLineOption modelDir(QStringLiteral("model-dir"),
                                      QStringLiteral("Keep the generated test.arpa, test.DMP and test.dic in DIR (created "
                                                     "when missing)."),
                                      QStringLiteral("DIR"));
    const QCommandLineOption acoustic(QStringLiteral("acoustic-model"),
                                      QStringLiteral("The acoustic model bundle (default: EnglishAcousticModel.bundle of the resources)."),
                                      QStringLiteral("DIR"));
    parser.addOptions({corpus, modelDir, acoustic});
    parser.addPositionalArgument(QStringLiteral("EXPECTED"), QStringLiteral("The sentence the speaker should say."));
    parser.addPositionalArgument(QStringLiteral("AUDIO"), QStringLiteral("The recording (WAV, MP3, CAF, FLAC, ...)."));
    if (!parser.parse(app.arguments()))
        return usageError(parser.errorText());
    if (parser.isSet(QStringLiteral("help")))
        parser.showHelp(0);
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 2)
        return usageError(QStringLiteral("expected two arguments, EXPECTED and AUDIO (got %1)")
                              .arg(positional.size()));

    ScoreRequest request;
    request.expectedSentence = positional.at(0);
    request.audioPath = positional.at(1);
    if (request.expectedSentence.trimmed().isEmpty())
        return usageError(QStringLiteral("EXPECTED is empty"));

    if (parser.isSet(corpus)) {
        QFile file(parser.value(corpus));
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            return usageError(QStringLiteral("cannot read the corpus file %1: %2")
                                  .arg(file.fileName(), file.errorString()));
        QTextStream stream(&file);
        while (!stream.atEnd()) {
            const QString line = stream.readLine();
            if (!line.trimmed().isEmpty())
                request.corpusLines.append(line);
        }
    }

    request.acousticModelPath = parser.isSet(acoustic)
        ? parser.value(acoustic)
        : ResourceLocator::bundlePath(QStringLiteral("EnglishAcousticModel"));
    if (request.acousticModelPath.isEmpty() || !QFileInfo(request.acousticModelPath).isDir())
        return usageError(QStringLiteral("the acoustic model bundle was not found (%1)")
                              .arg(parser.isSet(acoustic) ? parser.value(acoustic)
                                                          : ResourceLocator::describeSearch()));

    QTemporaryDir temporary;
    if (parser.isSet(modelDir)) {
        request.modelDirectory = parser.value(modelDir);
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
