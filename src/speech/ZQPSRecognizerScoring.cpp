// Pronunciation scoring: compares the recognised words with the expected sentence.
//
// The arithmetic is part of the result: sums and products are 32-bit floats where the
// score has always been computed that way, each rounded on its own (this file is compiled
// with -ffp-contract=off, so no compiler fuses them), the extra-word penalty is computed in
// double with the single-precision constant 0.1f, and the final curve is one explicit
// fused multiply-add.
#include "ZQPSRecognizer.h"

#include "platform/foundation/ResourceLocator.h"
#include "platform/foundation/ZQLog.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QRegularExpression>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <mutex>

namespace {

const QSet<QString> &markers()
{
    static const QSet<QString> words{QStringLiteral("<s>"), QStringLiteral("</s>"),
                                     QStringLiteral("<sil>")};
    return words;
}

QSet<QString> readNoiseDictionary(const QString &acousticModelPath)
{
    QSet<QString> words = markers();
    QFile file(acousticModelPath + QStringLiteral("/noisedict"));
    if (acousticModelPath.isEmpty() || !file.open(QIODevice::ReadOnly | QIODevice::Text))
        return words;
    static const QRegularExpression blank(QStringLiteral("\\s+"));
    while (!file.atEnd()) {
        const QStringList fields = QString::fromUtf8(file.readLine()).split(blank, Qt::SkipEmptyParts);
        if (!fields.isEmpty())
            words.insert(fields.first());
    }
    return words;
}

// The shortest decimal text that reads back as the same float: 75 -> "75", 66.5 -> "66.5".
QString numberText(float value)
{
    char buffer[64];
    const std::to_chars_result result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

qsizetype countOf(const QVariantList &counts, const QString &word)
{
    for (const QVariant &entry : counts) {
        const QVariantMap map = entry.toMap();
        if (map.contains(word))
            return map.value(word).toLongLong();
    }
    return -1;
}

} // namespace

float ZQPSRecognizer::getWordScore(const QVariantMap &wordInfo)
{
    return wordInfo.value(QStringLiteral("logProbability")).toFloat() * 100.0f;
}

QStringList ZQPSRecognizer::getAllWordFromText(const QString &text, bool uppercased)
{
    static const QRegularExpression expression(
        QStringLiteral("([a-z']+)[\\s?!.,]"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    QStringList words;
    QRegularExpressionMatchIterator it = expression.globalMatch(text + QLatin1Char(' '));
    while (it.hasNext()) {
        const QString word = it.next().captured(1);
        words.append(uppercased ? word.toUpper() : word);
    }
    return words;
}

QVariantList ZQPSRecognizer::getWordsCount(const QString &text)
{
    const QStringList words = getAllWordFromText(text, true);
    QStringList distinct;
    for (const QString &word : words) {
        if (!distinct.contains(word))
            distinct.append(word);
    }
    QVariantList counts;
    for (const QString &word : distinct) {
        QVariantMap entry;
        entry.insert(word, int(words.count(word)));
        counts.append(entry);
    }
    return counts;
}

QSet<QString> ZQPSRecognizer::fillerWords(const QString &acousticModelPath)
{
    static std::mutex lock;
    static QHash<QString, QSet<QString>> read;
    std::lock_guard guard(lock);
    auto it = read.constFind(acousticModelPath);
    if (it == read.cend())
        it = read.insert(acousticModelPath, readNoiseDictionary(acousticModelPath));
    return *it;
}

QSet<QString> ZQPSRecognizer::defaultFillerWords()
{
    return fillerWords(ResourceLocator::bundlePath(QStringLiteral("EnglishAcousticModel")));
}

float ZQPSRecognizer::getScore(const QVariantList &wordsInfo, const QString &standardSentence,
                               QVariantMap &advices)
{
    return getScore(wordsInfo, standardSentence, advices, defaultFillerWords());
}

float ZQPSRecognizer::getScore(const QVariantList &wordsInfo, const QString &standardSentence,
                               QVariantMap &advices, const QSet<QString> &fillerWords)
{
    // 1. Recognised words without markers, fillers and alternative-pronunciation suffixes.
    QStringList recognised;
    QList<float> scores;
    for (const QVariant &entry : wordsInfo) {
        const QVariantMap record = entry.toMap();
        QString word = record.value(QStringLiteral("word")).toString();
        if (markers().contains(word) || fillerWords.contains(word))
            continue;
        const qsizetype parenthesis = word.indexOf(QLatin1Char('('));
        if (parenthesis >= 0)
            word.truncate(parenthesis);
        recognised.append(word.toUpper());
        scores.append(getWordScore(record));
    }
    if (recognised.isEmpty()) {
        advices.insert(QStringLiteral("no_voice"),
                       QCoreApplication::translate("ZQPSRecognizer", "No voice detected"));
        return 0.0f;
    }

    // 3-4. Expected words; recognised words split into matched and unmatched, in order.
    const QStringList expected = getAllWordFromText(standardSentence, true);
    QStringList matched;
    QList<float> matchedScores;
    QStringList unmatched;
    for (qsizetype i = 0; i < recognised.size(); ++i) {
        if (expected.contains(recognised[i])) {
            matched.append(recognised[i]);
            matchedScores.append(scores[i]);
        } else {
            unmatched.append(recognised[i]);
        }
    }

    // 5. Surplus removal. The index advances after a removal too, so the entry that moved
    // into the freed slot is not examined; the score list keeps its entries.
    const QVariantList expectedCounts = getWordsCount(standardSentence);
    const QVariantList matchedCounts = getWordsCount(matched.join(QLatin1Char(' ')));
    for (const QVariant &entry : expectedCounts) {
        const QVariantMap map = entry.toMap();
        for (auto it = map.cbegin(); it != map.cend(); ++it) {
            const QString &word = it.key();
            const qsizetype matchedCount = countOf(matchedCounts, word);
            if (matchedCount < 0)
                continue;
            qsizetype surplus = matchedCount - it.value().toLongLong();
            if (surplus < 1)
                continue;
            for (qsizetype i = 0; i < matched.size(); ++i) {
                if (matched[i] != word)
                    continue;
                if (surplus >= 1)
                    matched.removeAt(i);
                --surplus;
            }
        }
    }

    // 6.
    if (matched.isEmpty()) {
        advices.insert(QStringLiteral("no_right_word"),
                       QCoreApplication::translate("ZQPSRecognizer", "No correct words detected"));
        return 0.0f;
    }

    // 7. Average over the expected words, each term divided before it is added.
    const float expectedCount = float(expected.size());
    float average = 0.0f;
    for (qsizetype i = 0; i < matched.size(); ++i)
        average += matchedScores[i] / expectedCount;

    // 8. Extra-word penalty, in double with the single-precision 0.1.
    const double penalty = (-100.0 / double(recognised.size())) * double(unmatched.size())
        * double(0.1f);
    const float s1 = average + float(penalty);

    // 9-10. Order errors against the expected order of the matched words.
    QStringList expectedOrder;
    for (const QString &word : expected) {
        if (matched.contains(word))
            expectedOrder.append(word);
    }
    quint64 errors = 0;
    for (qsizetype i = 0; i < matched.size() && i < expectedOrder.size(); ++i) {
        if (expectedOrder[i] != matched[i])
            ++errors;
    }

    // 11.
    const quint64 matchedLength = quint64(matched.size());
    if (errors > matchedLength / 2)
        advices.insert(QStringLiteral("wrong_sequence"),
                       QCoreApplication::translate("ZQPSRecognizer",
                                                   "Problems a bit in word sequence"));

    // 12. Order penalty: unsigned division, float multiplication.
    const float s2 = s1 + float(errors * 100 / matchedLength) * -0.1f;

    // 13. Curve upwards and clamp.
    float s3 = std::fmaf(s2, 1.0f - s2 / 100.0f, s2);
    s3 = std::max(s3, 0.0f);
    const float score = std::min(s3, 100.0f);

    // 14. Per-word scores of the expected words.
    QString wordsScore;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        if (i > 0)
            wordsScore += QLatin1Char(';');
        const qsizetype position = matched.indexOf(expected[i]);
        wordsScore += expected[i] + QLatin1Char(':')
            + (position >= 0 ? numberText(matchedScores[position]) : QStringLiteral("0"));
    }
    advices.insert(QStringLiteral("words_score"), wordsScore);

    ZQLog::log(QString::asprintf("\n the score is %f", double(score)), 8);
    return score;
}
