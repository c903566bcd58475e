#include "TourAssessment.h"

#include "speech/PhoneSymbols.h"
#include "speech/ZQAppCommon.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>

namespace {
// The first pronunciation of each word of a dictionary file ("WORD<tab>P1 P2 ...").
QHash<QString, QStringList> readPhones(const QString &path)
{
    QHash<QString, QStringList> phones;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return phones;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString &line : lines) {
        QStringList fields = line.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
        if (fields.size() < 2 || phones.contains(fields.first()))
            continue;
        const QString word = fields.takeFirst();
        phones.insert(word, fields);
    }
    return phones;
}

QString heardWord(const QVariant &record)
{
    QString word = record.toMap().value(QStringLiteral("word")).toString();
    const qsizetype variant = word.indexOf(QLatin1Char('('));
    return variant > 0 ? word.left(variant) : word;
}

// A sound learners often say in place of `phone`.
QString commonSubstitute(const QString &phone)
{
    static const QHash<QString, QString> substitutes{
        {QStringLiteral("TH"), QStringLiteral("S")}, {QStringLiteral("DH"), QStringLiteral("D")},
        {QStringLiteral("R"), QStringLiteral("L")},  {QStringLiteral("L"), QStringLiteral("R")},
        {QStringLiteral("V"), QStringLiteral("B")},  {QStringLiteral("W"), QStringLiteral("V")},
        {QStringLiteral("IH"), QStringLiteral("IY")}, {QStringLiteral("AE"), QStringLiteral("EH")},
        {QStringLiteral("Z"), QStringLiteral("S")},  {QStringLiteral("SH"), QStringLiteral("S")},
    };
    return substitutes.value(phone, phone == QLatin1String("AH") ? QStringLiteral("AA") : QStringLiteral("AH"));
}

bool isVowel(const QString &phone)
{
    static const QString vowels = QStringLiteral("AA AE AH AO AW AY EH ER EY IH IY OW OY UH UW");
    return vowels.split(QLatin1Char(' ')).contains(phone);
}

void mark(AssessmentResult &result)
{
    int longest = -1, last = -1;
    for (int i = 0; i < int(result.words.size()); ++i) {
        const WordAssessment &word = result.words[size_t(i)];
        if (word.omitted || word.phones.empty())
            continue;
        last = i;
        if (i > 0 && (longest < 0 || word.phones.size() > result.words[size_t(longest)].phones.size()))
            longest = i;
    }
    if (longest >= 0) {
        WordAssessment &word = result.words[size_t(longest)];
        word.mark = WordMark::Weak;
        word.weakPhone = 0;
        for (int p = 0; p < int(word.phones.size()); ++p) {
            if (isVowel(word.phones[size_t(p)].phone)) {
                word.weakPhone = p;
                break;
            }
        }
    }
    if (last >= 0 && last != longest) {
        WordAssessment &word = result.words[size_t(last)];
        word.mark = WordMark::Wrong;
        word.weakPhone = 0;
        word.phones.front().heard = commonSubstitute(word.phones.front().phone);
    }
}
}

namespace TourAssessment {
AssessmentResult make(const QString &sentence, const VoiceRecognition &heard, const QString &dictionaryPath,
                      bool marked)
{
    const QHash<QString, QStringList> phones = readPhones(dictionaryPath);
    AssessmentResult result;
    result.valid = true;
    int next = 0;  // the first recognised segment not yet matched
    for (const QString &expected : ZQAppCommon::getAllWordFromText(sentence, true)) {
        WordAssessment word;
        word.word = expected.toLower();
        word.omitted = true;
        for (int i = next; i < heard.wordsInfo.size() && i < heard.wordTimes.size(); ++i) {
            if (heardWord(heard.wordsInfo.at(i)).compare(expected, Qt::CaseInsensitive) == 0) {
                word.omitted = false;
                word.startMs = heard.wordTimes.at(i).startMs;
                word.endMs = heard.wordTimes.at(i).endMs;
                next = i + 1;
                break;
            }
        }
        word.mark = word.omitted ? WordMark::Wrong : WordMark::None;
        for (const QString &phone : phones.value(expected))
            word.phones.push_back({phone, PhoneSymbols::ipa(phone), 80.0f, {}, 0, 0});
        result.words.push_back(word);
    }
    if (marked)
        mark(result);
    return result;
}
}
