#pragma once

#include "CatalogueSource.h"

#include <QString>
#include <QStringList>

// A teacher's own phrase list, read as one category of the catalogue source:
//
// - "*.txt": one phrase a line; blank lines and lines starting with "#" are skipped.
// - "*.csv": a header row naming the columns, the phrase's column first ("en" or "txt"),
//   then any of the learner languages' codes ("fr", "zh-Hans", ...); one phrase a row after
//   it. A missing or empty translation is left out, so the app shows the phrase itself there
//   (never an empty label).
//
// The category is named `name` (the file's base name when empty) and gets the id `id` (when
// 0, one derived from the name, see categoryIdFor); the phrase on list position n (1-based,
// skipped lines not counted) gets the id id * 1000 + n, so re-packing the same list keeps
// the ids the learner's recordings are stored by.
//
// Checks, each naming "<file>:<line>" (and the column where one is meant): the text is
// UTF-8; each phrase holds only ASCII letters, spaces, apostrophes and . , ? ! (typographic
// apostrophes are made plain); the header names known, distinct languages; a row has no more
// fields than the header; at most 999 phrases; and every word is in the pronunciation list.
// A missing word is reported with up to three closest listed words: a word the list lacks
// can never be recognised, so the list is not packed until the phrase is rewritten.
//
// Thread: any (no shared state). Failure results: load() returns false and errors() lists
// every problem found.
class PhraseListSource
{
public:
    static constexpr int maximumPhrases = 999;

    // Whether `path` names a phrase list (".txt" or ".csv", any case) rather than a folder.
    static bool isPhraseList(const QString &path);
    // A stable id for a category named `name`: 900000 to 999999, from its MD5 digest, far
    // above the built-in categories' ids.
    static qint64 categoryIdFor(const QString &name);
    // Up to `count` words of `knownWords` closest to `word` by edit distance (ties in list
    // order), none further than two edits or half the word's length, whichever is more.
    static QStringList closestWords(const QString &word, const QStringList &knownWords, int count);

    // lookupText: the pronunciation lookup list; null to skip the word check.
    bool load(const QString &path, const QString &name, qint64 id, const QString &lookupText);

    const CatalogueSource::Category &category() const { return m_category; }
    const QStringList &errors() const { return m_errors; }

private:
    void readText(const QString &text);
    void readCsv(const QString &text);
    // Checks the header; the language code of each translation column.
    QStringList readHeader(const QStringList &fields, int line);
    void addPhrase(QString text, const QJsonObject &translations, int line);
    void checkWords(const QString &lookupText);
    void error(int line, const QString &message);

    QString m_fileName;
    CatalogueSource::Category m_category;
    QList<int> m_lines;  // the list line of each phrase
    QStringList m_errors;
};
