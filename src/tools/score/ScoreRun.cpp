#include "ScoreRun.h"

#include "AssessmentJson.h"

#include "speech/PronunciationComparison.h"

#include <QJsonArray>

namespace {
QJsonObject failure(const QString &message, int *exitCode)
{
    *exitCode = 1;
    return QJsonObject{{"error", message}};
}

// The word records with their times in the audio.
QJsonArray wordsWithTimes(const VoiceRecognition &recognition)
{
    QJsonArray words;
    for (qsizetype i = 0; i < recognition.wordsInfo.size(); ++i) {
        QJsonObject word = QJsonObject::fromVariantMap(recognition.wordsInfo[i].toMap());
        if (i < recognition.wordTimes.size()) {
            word.insert("startMs", recognition.wordTimes[i].startMs);
            word.insert("endMs", recognition.wordTimes[i].endMs);
        }
        words.append(word);
    }
    return words;
}
}

namespace ScoreRun {
QJsonObject run(const ScoreRequest &request, int *exitCode)
{
    *exitCode = 0;
    ComparisonRequest comparisonRequest;
    comparisonRequest.expectedSentence = request.expectedSentence;
    comparisonRequest.phraseContents = request.corpusLines;
    comparisonRequest.acousticModelPath = request.acousticModelPath;
    comparisonRequest.modelDirectory = request.modelDirectory;
    comparisonRequest.assess = true;
    PronunciationComparison comparison(comparisonRequest);
    const ComparisonResult result = comparison.compare(request.audioPath);

    if (!result.models)
        return failure(QStringLiteral("the language model could not be generated: %1")
                           .arg(result.generationStatus.description), exitCode);
    // An unreadable file is reported as such, not as silence.
    if (result.estimated.audioStatus != 0)
        return failure(QStringLiteral("the audio file %1 cannot be read (status %2)")
                           .arg(request.audioPath)
                           .arg(result.estimated.audioStatus), exitCode);

    const VoiceRecognition &heard = result.estimated;
    QJsonObject json;
    json.insert("score", double(result.score));
    json.insert("hypothesis", heard.hypothesis.isNull() ? QJsonValue(QJsonValue::Null) : QJsonValue(heard.hypothesis));
    json.insert("advice", QJsonObject::fromVariantMap(result.advice));
    json.insert("words", wordsWithTimes(heard));
    json.insert("frames", qint64(heard.powerSpectrumInfo.frameCount));
    json.insert("timingsMs", QJsonObject{{"generation", result.timings.generationMs},
                                         {"decode", result.timings.audioMs},
                                         {"recognition", result.timings.recognitionMs},
                                         {"scoring", result.timings.scoringMs},
                                         {"assessment", result.timings.assessmentMs}});
    json.insert("assessment", AssessmentJson::toJson(result.assessment.value_or(AssessmentResult())));
    return json;
}
}
