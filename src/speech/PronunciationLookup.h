#pragma once

#include <QString>
#include <QStringList>

// The pronunciation lookup list ("PronunciationLookupList.text" in the acoustic model
// bundle): one entry per line, an upper-case word, a tab, its phones; alternative
// pronunciations follow their word as "WORD(2)", "WORD(3)", ...
//
// The lookup walks the list forward only, so the list and the words looked up must be
// sorted by the same order: compareDictionaryWords, a case-insensitive comparison of the
// UTF-16 code units (QString::compare with Qt::CaseInsensitive). It is locale-independent on
// purpose: a locale-aware collation would make the generated list and the lookup disagree
// whenever the machine's locale changes.
//
// Thread: any (pure functions). Failure: words that cannot be found are reported through
// the `missing` list and skipped.
namespace PronunciationLookup {

int compareDictionaryWords(const QString &a, const QString &b);

// Removes duplicates and sorts with compareDictionaryWords.
QStringList sortedUniqueWords(const QStringList &words);

// Looks up each word of `sortedWords` in `lookupText`, searching forward from the last hit.
// Returns the matching lines (without line ends): the word's own line, then at most four
// alternatives "(2)" to "(5)" found within a short window after it. The start of the text
// counts as a line start, so the list's first entry can be found.
QStringList performDictionaryLookup(const QStringList &sortedWords, const QString &lookupText,
                                    QStringList *missing = nullptr);
}
