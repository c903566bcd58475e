#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>

// One scoring run of phrasebook-score: the language model and dictionary are generated from
// the expected sentence's words plus the words of every corpus line (as the comparison
// panel does with the first phrases of its list), the recording is recognised, and its
// words are scored against the sentence.
//
// Thread: the caller's; runs must not overlap (the speech libraries keep process-wide
// state). Failure results: `run` returns a JSON object with an "error" text and sets
// *exitCode to 1 when the audio cannot be read or the model cannot be generated; a
// recording in which nothing is recognised is not an error (score 0, "no_voice").
struct ScoreRequest
{
    QString expectedSentence;
    QString audioPath;
    QStringList corpusLines;
    QString modelDirectory;      // where test.arpa, test.DMP and test.dic go (kept)
    QString acousticModelPath;   // the EnglishAcousticModel bundle
};

namespace ScoreRun {
// The words the model is built from: the expected sentence's words (upper-cased, duplicates
// kept), then the distinct words of all corpus lines in first-occurrence order.
QStringList corpusWords(const QString &expectedSentence, const QStringList &corpusLines);
QJsonObject run(const ScoreRequest &request, int *exitCode);
}
