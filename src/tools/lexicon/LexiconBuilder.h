#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Turns a CMU pronouncing dictionary in the PocketSphinx format ("word phones", alternative
// pronunciations "word(2) phones", ...) into the pronunciation lookup list of the acoustic
// model bundle: one line per pronunciation, the upper-case word, a tab and the phones, each
// line ending in "\n".
//
// Order: base words sorted by PronunciationLookup::compareDictionaryWords (the order the
// language model generator sorts its words in, so its forward-only lookup finds every word);
// each word's alternatives follow on the lines right after it as "WORD(2)", "WORD(3)", ...
// in the dictionary's number order.
//
// Entries the forward lookup could never reach are repaired or left out, each with a
// warning:
// - an alternative whose base word has no entry of its own: the lowest-numbered alternative
//   becomes the base entry;
// - gaps in the numbering ("WORD", "WORD(3)"): the alternatives are renumbered 2, 3, ... in
//   their original order, because the lookup stops at the first missing number;
// - more than four alternatives: the lookup takes "(2)" to "(5)" only, the rest are left out;
// - the same word and number twice: the first one is kept.
// Blank lines, comment lines (";;;") and comments after "#" are skipped silently; a line with
// a word but no phones is skipped with a warning.
//
// Thread: any (no shared state). Failure: parse() returns false only when the input holds no
// usable entry at all; every skipped or repaired line is listed in warnings().
class LexiconBuilder
{
public:
    // The lookup takes at most this many alternatives per word: "(2)" to "(5)".
    static constexpr int maximumAlternatives = 4;

    bool parse(const QByteArray &dictionaryText);
    // The lookup list, every line ending in "\n".
    QByteArray lookupListText() const;

    qsizetype wordCount() const { return m_words.size(); }
    qsizetype lineCount() const;
    const QStringList &warnings() const { return m_warnings; }

private:
    struct Word
    {
        QString word;  // upper case, no "(N)"
        QStringList pronunciations;  // base first, then the alternatives in number order
    };

    QList<Word> m_words;
    QStringList m_warnings;
};
