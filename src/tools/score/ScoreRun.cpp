#include "ScoreRun.h"

#include "content/CorpusText.h"
#include "speech/ZQAudioUtil.h"
#include "speech/ZQLanguageModelTrainer.h"
#include "speech/ZQPSRecognizer.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QSet>

namespace {
double elapsedMs(QElapsedTimer &timer)
{
    const double ms = timer.nsecsElapsed() / 1e6;
    timer.restart();
    return ms;
}

QJsonObject failure(const QString &message, int *exitCode)
{
    *exitCode = 1;
    return QJsonObject{{"error", message}};
}
}

namespace ScoreRun {
QStringList corpusWords(const QString &expectedSentence, const QStringList &corpusLines)
{
    QStringList words = CorpusText::words(expectedSentence, true);
    QSet<QString> seen;
    for (const QString &line : corpusLines) {
        for (const QString &word : CorpusText::words(line, true)) {
            if (!seen.contains(word)) {
                seen.insert(word);
                words.append(word);
            }
        }
    }
    return words;
}

QJsonObject run(const ScoreRequest &request, int *exitCode)
{
    *exitCode = 0;
    QElapsedTimer timer;
    timer.start();

    ZQLanguageModelTrainer trainer;
    trainer.setLmBasePath(request.modelDirectory);
    const ZQStatus status = trainer.generateLanguageModelFromArray(
        corpusWords(request.expectedSentence, request.corpusLines), QStringLiteral("test"),
        request.acousticModelPath);
    if (!status.isSuccess())
        return failure(QStringLiteral("the language model could not be generated: %1")
                           .arg(status.description), exitCode);
    const QString languageModel = status.userInfo.value(QStringLiteral("LMPath")).toString();
    const QString dictionary = status.userInfo.value(QStringLiteral("DictionaryPath")).toString();
    const double generationMs = elapsedMs(timer);

    // Decode once up front so an unreadable file is reported as such, not as silence.
    AudioDataInfo audio;
    const qint32 decodeStatus = ZQAudioUtil::decodeAudioDataFromFile(request.audioPath, audio);
    if (decodeStatus != 0)
        return failure(QStringLiteral("the audio file %1 cannot be read (status %2)")
                           .arg(request.audioPath)
                           .arg(decodeStatus), exitCode);
    const double decodeMs = elapsedMs(timer);

    ZQPSRecognizer recognizer;
    recognizer.runRecognitionOnWavFileAtPath(request.audioPath, languageModel, dictionary,
                                             request.acousticModelPath, false);
    const double recognitionMs = elapsedMs(timer);

    QVariantMap advice;
    const float score =
        ZQPSRecognizer::getScore(recognizer.wordsInfo(), request.expectedSentence, advice);
    const double scoringMs = elapsedMs(timer);

    QJsonArray words;
    for (const QVariant &record : recognizer.wordsInfo())
        words.append(QJsonObject::fromVariantMap(record.toMap()));
    QJsonObject result;
    result.insert("score", double(score));
    result.insert("hypothesis", recognizer.hypothesis().isNull() ? QJsonValue(QJsonValue::Null)
                                                                 : QJsonValue(recognizer.hypothesis()));
    result.insert("advice", QJsonObject::fromVariantMap(advice));
    result.insert("words", words);
    result.insert("frames", qint64(recognizer.powerSpectrumInfo().frameCount));
    result.insert("timingsMs", QJsonObject{{"generation", generationMs},
                                           {"decode", decodeMs},
                                           {"recognition", recognitionMs},
                                           {"scoring", scoringMs}});
    return result;
}
}
