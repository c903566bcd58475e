#include "PronunciationLookup.h"

#include <algorithm>

namespace PronunciationLookup {

int compareDictionaryWords(const QString &a, const QString &b)
{
    return QString::compare(a, b, Qt::CaseInsensitive);
}

QStringList sortedUniqueWords(const QStringList &words)
{
    QStringList result = words;
    result.removeDuplicates();
    std::sort(result.begin(), result.end(), [](const QString &a, const QString &b) {
        return compareDictionaryWords(a, b) < 0;
    });
    return result;
}

namespace {
// The line that starts at `lineStart`, without its line end.
QString lineAt(const QString &text, qsizetype lineStart)
{
    qsizetype end = text.indexOf(QLatin1Char('\n'), lineStart);
    if (end < 0)
        end = text.size();
    QString line = text.mid(lineStart, end - lineStart);
    if (line.endsWith(QLatin1Char('\r')))
        line.chop(1);
    return line;
}
}

QStringList performDictionaryLookup(const QStringList &sortedWords, const QString &lookupText,
                                    QStringList *missing)
{
    QStringList result;
    if (lookupText.isEmpty())
        return result;
    // A leading line end lets the first entry match "\n" + word + "\t" like every other one;
    // positions below are in the padded text and shifted back by one for lineAt().
    const QString text = QLatin1Char('\n') + lookupText;
    qsizetype searchStart = 0;
    for (const QString &word : sortedWords) {
        if (searchStart >= text.size())
            break;
        const QString needle = QLatin1Char('\n') + word + QLatin1Char('\t');
        const qsizetype found = text.indexOf(needle, searchStart);
        if (found < 0) {
            if (missing)
                missing->append(word);
            continue;
        }
        result.append(lineAt(text, found + 1));
        qsizetype previousHit = found;
        const qsizetype window = std::min<qsizetype>(text.size() - found, 750) / 5;
        for (int k = 2; k <= 5; ++k) {
            const QString alternative =
                QLatin1Char('\n') + word + QLatin1Char('(') + QString::number(k);
            // Search only inside the window: a search to the end of the text would make
            // every lookup of a word without alternatives scan the rest of the list.
            const qsizetype inWindow =
                QStringView(text).mid(previousHit, window).indexOf(alternative);
            if (inWindow < 0)
                break;
            const qsizetype hit = previousHit + inWindow;
            result.append(lineAt(text, hit + 1));
            previousHit = hit;
        }
        searchStart = found + 1;
    }
    return result;
}
}
