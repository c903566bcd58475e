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
    std::stable_sort(result.begin(), result.end(), [](const QString &a, const QString &b) {
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
    if (lookupText.isEmpty()) {
        // An empty list holds no word: every word is missing, and is reported so.
        if (missing)
            missing->append(sortedWords);
        return result;
    }
    // Entries are found as "\n" + word + "\t". The start of the text counts as a line start
    // too (as if a line end stood before it), so the list's first entry can be found.
    // Positions below are those of that virtual text, one ahead of the real one: searchStart
    // is where the next search begins, and a line starting at real position L was found at
    // virtual position L.
    const QStringView text(lookupText);
    const qsizetype virtualSize = text.size() + 1;
    qsizetype searchStart = 0;
    for (const QString &word : sortedWords) {
        qsizetype lineStart = -1;
        if (searchStart == 0 && text.startsWith(word + QLatin1Char('\t'))) {
            lineStart = 0;
        } else {
            const QString needle = QLatin1Char('\n') + word + QLatin1Char('\t');
            const qsizetype found = text.indexOf(needle, std::max<qsizetype>(searchStart - 1, 0));
            if (found >= 0)
                lineStart = found + 1;
        }
        if (lineStart < 0) {
            if (missing)
                missing->append(word);
            continue;
        }
        result.append(lineAt(lookupText, lineStart));
        // Alternatives "WORD(2)" ... "WORD(5)" are searched only inside a window that starts
        // at the previous hit and spans a fifth of min(rest of the text, 750) characters.
        const qsizetype window = std::min<qsizetype>(virtualSize - lineStart, 750) / 5;
        qsizetype previousHit = lineStart;  // virtual position of the last "\n" found
        for (int k = 2; k <= 5; ++k) {
            const QString alternative =
                QLatin1Char('\n') + word + QLatin1Char('(') + QString::number(k);
            const qsizetype begin = std::max<qsizetype>(previousHit - 1, 0);
            const qsizetype end = std::min<qsizetype>(previousHit - 1 + window, text.size());
            if (end <= begin)
                break;
            const qsizetype inWindow = text.mid(begin, end - begin).indexOf(alternative);
            if (inWindow < 0)
                break;
            const qsizetype hit = begin + inWindow;  // real position of the line end
            result.append(lineAt(lookupText, hit + 1));
            previousHit = hit + 1;
        }
        searchStart = lineStart + 1;
    }
    return result;
}
}
