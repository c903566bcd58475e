#include "LexiconBuilder.h"

#include "speech/PronunciationLookup.h"

#include <QHash>

#include <algorithm>

namespace {
struct Entry
{
    int number = 1;  // 1 for the base pronunciation, N for "word(N)"
    int lineNumber = 0;
    QString phones;
};
}

bool LexiconBuilder::parse(const QByteArray &dictionaryText)
{
    m_words.clear();
    m_warnings.clear();

    QHash<QString, QList<Entry>> entries;
    QStringList order;  // base words in first-seen order (for stable warnings)

    const QString text = QString::fromUtf8(dictionaryText);
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const int lineNumber = i + 1;
        QString line = lines.at(i);
        // Inline comments ("word phones # note") appear in some CMUdict releases.
        const qsizetype hash = line.indexOf(QLatin1Char('#'));
        if (hash >= 0)
            line.truncate(hash);
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1String(";;;")))
            continue;

        qsizetype split = 0;
        while (split < line.size() && !line.at(split).isSpace())
            ++split;
        if (split == line.size()) {
            m_warnings.append(QStringLiteral("line %1: \"%2\" has no phones, skipped")
                                  .arg(lineNumber)
                                  .arg(line));
            continue;
        }
        QString word = line.left(split).toUpper();
        const QString phones = line.mid(split).simplified();

        // "word(N)": an alternative pronunciation. A word that merely contains brackets
        // elsewhere is taken as it stands.
        int number = 1;
        const qsizetype open = word.lastIndexOf(QLatin1Char('('));
        if (open > 0 && word.endsWith(QLatin1Char(')'))) {
            bool ok = false;
            const int value = QStringView(word).mid(open + 1, word.size() - open - 2).toInt(&ok);
            if (ok && value >= 1) {
                number = value;
                word.truncate(open);
            }
        }

        QList<Entry> &list = entries[word];
        if (list.isEmpty())
            order.append(word);
        const bool duplicate = std::any_of(list.cbegin(), list.cend(),
                                           [number](const Entry &e) { return e.number == number; });
        if (duplicate) {
            m_warnings.append(QStringLiteral("line %1: second entry for \"%2\" number %3, skipped")
                                  .arg(lineNumber)
                                  .arg(word)
                                  .arg(number));
            continue;
        }
        list.append(Entry{number, lineNumber, phones});
    }

    for (const QString &word : std::as_const(order)) {
        QList<Entry> list = entries.value(word);
        std::stable_sort(list.begin(), list.end(),
                         [](const Entry &a, const Entry &b) { return a.number < b.number; });
        if (list.first().number != 1) {
            m_warnings.append(QStringLiteral("\"%1(%2)\" has no base entry: it becomes \"%1\"")
                                  .arg(word)
                                  .arg(list.first().number));
        }
        bool renumbered = false;
        for (int k = 1; k < list.size(); ++k)
            renumbered = renumbered || list.at(k).number != k + 1;
        if (renumbered && list.first().number == 1)
            m_warnings.append(
                QStringLiteral("\"%1\": alternatives renumbered to close gaps").arg(word));
        if (list.size() > 1 + maximumAlternatives) {
            m_warnings.append(QStringLiteral("\"%1\": %2 alternatives, only the first %3 kept")
                                  .arg(word)
                                  .arg(list.size() - 1)
                                  .arg(maximumAlternatives));
            list.resize(1 + maximumAlternatives);
        }
        Word entry;
        entry.word = word;
        for (const Entry &e : std::as_const(list))
            entry.pronunciations.append(e.phones);
        m_words.append(entry);
    }

    std::stable_sort(m_words.begin(), m_words.end(), [](const Word &a, const Word &b) {
        return PronunciationLookup::compareDictionaryWords(a.word, b.word) < 0;
    });
    return !m_words.isEmpty();
}

QByteArray LexiconBuilder::lookupListText() const
{
    QString text;
    text.reserve(lineCount() * 24);
    for (const Word &word : m_words) {
        for (int k = 0; k < word.pronunciations.size(); ++k) {
            text += word.word;
            if (k > 0)
                text += QLatin1Char('(') + QString::number(k + 1) + QLatin1Char(')');
            text += QLatin1Char('\t') + word.pronunciations.at(k) + QLatin1Char('\n');
        }
    }
    return text.toUtf8();
}

qsizetype LexiconBuilder::lineCount() const
{
    qsizetype count = 0;
    for (const Word &word : m_words)
        count += word.pronunciations.size();
    return count;
}
