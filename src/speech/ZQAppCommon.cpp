#include "ZQAppCommon.h"

#include "content/CorpusText.h"

#include <QSet>

#include <algorithm>

QStringList ZQAppCommon::getAllWordFromText(const QString &text, bool uppercased)
{
    return CorpusText::words(text, uppercased);
}

QStringList ZQAppCommon::comparisonCorpusWords(const QString &expectedSentence,
                                               const QStringList &phraseContents)
{
    QStringList words = getAllWordFromText(expectedSentence, true);
    const qsizetype last = std::min(phraseContents.size() - 1, phraseContents.size() / 5);
    QSet<QString> seen;
    for (qsizetype i = 0; i <= last; ++i) {
        for (const QString &word : getAllWordFromText(phraseContents.at(i), true)) {
            if (!seen.contains(word)) {
                seen.insert(word);
                words.append(word);
            }
        }
    }
    return words;
}
