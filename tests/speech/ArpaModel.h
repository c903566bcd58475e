#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

#include <cmath>

// A test-side reader of ARPA files: the header counts, the n-grams of each section and
// back-off probability lookups, to check what the toolkit wrote.
struct ArpaModel
{
    struct Entry
    {
        double logProbability = 0;
        double logBackoff = 0;
    };

    QString error;                  // empty when the file parsed
    QMap<int, int> headerCounts;    // order -> "ngram N=" value
    QMap<int, QMap<QStringList, Entry>> ngrams;  // order -> words -> entry
    QStringList rawLines;

    static ArpaModel read(const QString &path);

    QStringList vocabulary() const { return keysOfOrder(1); }
    QStringList keysOfOrder(int order) const;
    // P(w | history) with ARPA back-off semantics.
    double probability(const QStringList &history, const QString &word) const;
};
