#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>

// One scoring run of phrasebook-score, through the comparison engine exactly as the
// comparison panel runs it: the language model and dictionary are generated from the
// expected sentence's words plus those of the first phrases of the phrase list (lines 0 to
// floor(n / 5) of the corpus), the recording is recognised, and its words are scored
// against the sentence. Every word carries its start and end in the audio (startMs, endMs).
// "assessment" adds the alignment-based assessment of the recording (AssessmentJson.h).
//
// Thread: the caller's. Failure results: `run` returns a JSON object with an "error" text
// and sets *exitCode to 1 when the audio cannot be read or the model cannot be generated;
// a recording in which nothing is recognised is not an error (score 0, "no_voice").
struct ScoreRequest
{
    QString expectedSentence;
    QString audioPath;
    QStringList corpusLines;     // the phrase list, one phrase per entry
    QString modelDirectory;      // where test.arpa, test.DMP and test.dic go (kept)
    QString acousticModelPath;   // the EnglishAcousticModel bundle
};

namespace ScoreRun {
QJsonObject run(const ScoreRequest &request, int *exitCode);
}
