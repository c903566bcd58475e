#include "ZQAppCommon.h"

#include <QRegularExpression>
#include <QSet>

#include <algorithm>

QStringList ZQAppCommon::getAllWordFromText(const QString &text, bool uppercased)
{
    // Unicode properties make \s match every Unicode white space, as the platform's
    // expressions do.
    static const QRegularExpression wordPattern(
        QStringLiteral("([^\\s.,!?؟、。]+)[\\s?؟!.,、。]"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    QStringList words;
    auto matches = wordPattern.globalMatch(text + QLatin1Char(' '));
    while (matches.hasNext()) {
        const QString word = matches.next().captured(1);
        words.append(uppercased ? word.toUpper() : word);
    }
    return words;
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
