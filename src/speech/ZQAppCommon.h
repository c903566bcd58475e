#pragma once

#include <QString>
#include <QStringList>

// Text helpers of the speech path: word splitting and the comparison corpus.
//
// Thread: any (pure functions). Failure: none; empty text gives an empty list.
class ZQAppCommon
{
public:
    // CorpusText::words: every run of characters other than white space and . , ! ? ؟ 、 。
    // that is followed by one of them, in order; upper-cased when asked.
    static QStringList getAllWordFromText(const QString &text, bool uppercased);

    // The words a recording is compared against: the expected sentence's words, upper-cased,
    // duplicates kept, then the distinct upper-cased words of the phrase contents at
    // positions 0 to floor(n / 5) inclusive (n = number of phrases), in first-occurrence
    // order.
    static QStringList comparisonCorpusWords(const QString &expectedSentence,
                                             const QStringList &phraseContents);
};
