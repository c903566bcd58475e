#include "CorpusText.h"

namespace CorpusText {

QStringList words(const QString &text, bool uppercased)
{
    // Unicode properties make \s match every Unicode white space (a no-break space too).
    static const QRegularExpression wordPattern(
        QStringLiteral("([^\\s.,!?\u061F\u3001\u3002]+)[\\s?\u061F!.,\u3001\u3002]"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    QStringList result;
    auto matches = wordPattern.globalMatch(text + QLatin1Char(' '));
    while (matches.hasNext()) {
        const QString word = matches.next().captured(1);
        result.append(uppercased ? word.toUpper() : word);
    }
    return result;
}

const QRegularExpression &nonDictionaryCharacter()
{
    static const QRegularExpression character(QStringLiteral("[^\\p{L}\\p{M}\\p{N}']"));
    return character;
}

QStringList dictionaryWords(const QString &text)
{
    QStringList result;
    for (QString word : words(text, true)) {
        word.remove(nonDictionaryCharacter());
        if (!word.isEmpty())
            result.append(word);
    }
    return result;
}

}
