#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// One rated utterance of the speechocean762 folder (scores.tsv): its id, the speaker (the
// first five digits of the id), the sentence, the raters' sentence accuracy (0-10) and word
// accuracies (0-10, in word order), and its audio file.
struct RatedUtterance
{
    QString id;
    QString speaker;
    QString text;
    double accuracy = 0.0;
    std::vector<double> wordAccuracies;
    QString audioPath;
};

// Reads DIR/scores.tsv; no value (and `error` set) when the file is missing or a line is
// malformed. Lines starting with '#' are comments.
std::optional<std::vector<RatedUtterance>> readRatedUtterances(const QString &folder, QString *error);
