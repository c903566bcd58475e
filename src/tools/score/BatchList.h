#pragma once

#include <QList>
#include <QString>

// The list of a batch run of phrasebook-score: one recording a line, "EXPECTED<TAB>AUDIO".
// Blank lines and lines starting with "#" are skipped; a trailing carriage return (a list
// written on Windows) is ignored. A relative AUDIO path is taken from the list file's folder,
// so a list and its recordings can move together.
//
// Every other line becomes an entry, in order. A line that cannot be scored (no tab, more
// than one tab, an empty sentence or path, an audio file that does not exist or cannot be
// read) keeps its place with an `error` text, so the batch reports it in that line's result
// instead of stopping.
//
// Thread: any (no shared state). Failure results: read() returns false with a message when
// the list file itself cannot be read or is not UTF-8 text.
struct BatchEntry
{
    int line = 0;          // 1-based line number in the list file
    QString expected;      // the sentence
    QString audioPath;     // absolute path
    QString error;         // empty when the line can be scored
};

namespace BatchList {
// Entries of `text`, relative audio paths resolved against `baseFolder`.
QList<BatchEntry> parse(const QString &text, const QString &baseFolder);
bool read(const QString &listPath, QList<BatchEntry> *entries, QString *error);
}
