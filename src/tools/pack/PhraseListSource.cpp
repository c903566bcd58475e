#include "PhraseListSource.h"

#include "content/AppCommon.h"
#include "content/CorpusText.h"
#include "CsvReader.h"
#include "speech/PronunciationLookup.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStringDecoder>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {
int editDistance(const QString &a, const QString &b)
{
    std::vector<int> previous(size_t(b.size()) + 1);
    std::vector<int> current(previous.size());
    for (size_t j = 0; j < previous.size(); ++j)
        previous[j] = int(j);
    for (qsizetype i = 0; i < a.size(); ++i) {
        current[0] = int(i + 1);
        for (qsizetype j = 0; j < b.size(); ++j) {
            const int substitution = previous[size_t(j)] + (a.at(i) == b.at(j) ? 0 : 1);
            current[size_t(j) + 1] = std::min({previous[size_t(j) + 1] + 1, current[size_t(j)] + 1, substitution});
        }
        std::swap(previous, current);
    }
    return previous.back();
}

// The words of the lookup list, alternatives ("WORD(2)") left out.
QStringList listedWords(const QString &lookupText)
{
    QStringList words;
    for (QStringView line : QStringView(lookupText).split(QLatin1Char('\n'))) {
        const qsizetype tab = line.indexOf(QLatin1Char('\t'));
        const QStringView word = tab < 0 ? line.trimmed() : line.left(tab);
        if (!word.isEmpty() && !word.endsWith(QLatin1Char(')')))
            words.append(word.toString());
    }
    return words;
}
}

bool PhraseListSource::isPhraseList(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("txt") || suffix == QLatin1String("csv");
}

qint64 PhraseListSource::categoryIdFor(const QString &name)
{
    const QByteArray digest = QCryptographicHash::hash(name.toUtf8(), QCryptographicHash::Md5);
    quint32 value = 0;
    for (int i = 0; i < 4; ++i)
        value = (value << 8) | quint8(digest.at(i));
    return 900000 + qint64(value % 100000);
}

QStringList PhraseListSource::closestWords(const QString &word, const QStringList &knownWords, int count)
{
    const QString upper = word.toUpper();
    const int limit = std::max<int>(2, int(upper.size()) / 2);
    std::vector<std::pair<int, qsizetype>> best;  // distance, index; sorted, at most `count`
    for (qsizetype i = 0; i < knownWords.size(); ++i) {
        const QString &known = knownWords.at(i);
        const int bound = best.size() < size_t(count) ? limit : std::min(limit, best.back().first - 1);
        if (std::abs(int(known.size()) - int(upper.size())) > bound)
            continue;
        const int distance = editDistance(upper, known.toUpper());
        if (distance > bound)
            continue;
        best.emplace_back(distance, i);
        std::stable_sort(best.begin(), best.end());
        if (best.size() > size_t(count))
            best.pop_back();
    }
    QStringList result;
    for (const auto &[distance, index] : best)
        result.append(knownWords.at(index));
    return result;
}

void PhraseListSource::error(int line, const QString &message)
{
    m_errors.append(line > 0 ? QStringLiteral("%1:%2: %3").arg(m_fileName).arg(line).arg(message)
                             : QStringLiteral("%1: %2").arg(m_fileName, message));
}

bool PhraseListSource::load(const QString &path, const QString &name, qint64 id, const QString &lookupText)
{
    m_fileName = QFileInfo(path).fileName();
    m_errors.clear();
    m_lines.clear();
    m_category = CatalogueSource::Category();
    m_category.fileName = m_fileName;
    m_category.name = name.trimmed().isEmpty() ? QFileInfo(path).completeBaseName() : name.trimmed();
    m_category.id = id > 0 ? id : categoryIdFor(m_category.name);
    m_category.color = CatalogueSource::defaultColor();
    m_category.nameTrans.insert(QLatin1String(AppCommon::contentLanguageCode), m_category.name);

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error(0, QStringLiteral("cannot be read: %1").arg(file.errorString()));
        return false;
    }
    QStringDecoder decoder(QStringConverter::Utf8);
    const QString text = decoder.decode(file.readAll());
    if (decoder.hasError()) {
        error(0, QStringLiteral("is not UTF-8 text (save it as UTF-8)"));
        return false;
    }
    if (QFileInfo(path).suffix().toLower() == QLatin1String("csv"))
        readCsv(text);
    else
        readText(text);
    if (m_errors.isEmpty() && m_category.phrases.isEmpty())
        error(0, QStringLiteral("holds no phrase"));
    if (m_category.phrases.size() > maximumPhrases)
        error(0, QStringLiteral("holds %1 phrases; a list may hold at most %2 (split it into several lists)")
                     .arg(m_category.phrases.size())
                     .arg(maximumPhrases));
    // The accepted phrases' words are checked even when other lines are wrong, so one run
    // lists every problem.
    if (!lookupText.isNull() && !m_category.phrases.isEmpty())
        checkWords(lookupText);
    return m_errors.isEmpty();
}

void PhraseListSource::readText(const QString &text)
{
    QString body = text;
    if (body.startsWith(QChar(0xFEFF)))
        body.remove(0, 1);
    const QStringList lines = body.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines.at(i).trimmed();
        if (!line.isEmpty() && !line.startsWith(QLatin1Char('#')))
            addPhrase(line, QJsonObject(), int(i + 1));
    }
}

void PhraseListSource::readCsv(const QString &text)
{
    QList<CsvRow> rows;
    QString failure;
    if (!CsvReader::parse(text, &rows, &failure)) {
        error(0, failure);
        return;
    }
    if (rows.isEmpty()) {
        error(0, QStringLiteral("is empty; the first row names the columns: en, then language codes"));
        return;
    }
    const QStringList languages = readHeader(rows.first().fields, rows.first().line);
    if (!m_errors.isEmpty())
        return;
    for (qsizetype r = 1; r < rows.size(); ++r) {
        const CsvRow &row = rows.at(r);
        if (std::all_of(row.fields.cbegin(), row.fields.cend(), [](const QString &f) { return f.trimmed().isEmpty(); }))
            continue;
        if (row.fields.size() > languages.size() + 1) {
            error(row.line, QStringLiteral("column %1: the row has %2 fields but the header names only %3 columns")
                                .arg(languages.size() + 2)
                                .arg(row.fields.size())
                                .arg(languages.size() + 1));
            continue;
        }
        QJsonObject translations;
        for (qsizetype c = 1; c < row.fields.size(); ++c) {
            if (!row.fields.at(c).trimmed().isEmpty())
                translations.insert(languages.at(c - 1), row.fields.at(c).trimmed());
        }
        addPhrase(row.fields.first().trimmed(), translations, row.line);
    }
}

QStringList PhraseListSource::readHeader(const QStringList &fields, int line)
{
    const QString first = fields.first().trimmed();
    if (first != QLatin1String("en") && first != QLatin1String("txt"))
        error(line, QStringLiteral("column 1: the header's first column must be \"en\" or \"txt\" (the phrase), "
                                   "not \"%1\"")
                        .arg(first));
    QStringList learnerCodes = AppCommon::supportedLanguages();
    learnerCodes.removeAll(QLatin1String(AppCommon::contentLanguageCode));
    QStringList languages;
    for (qsizetype c = 1; c < fields.size(); ++c) {
        const QString code = fields.at(c).trimmed();
        if (!learnerCodes.contains(code))
            error(line, QStringLiteral("column %1: \"%2\" is not a learner language code (use %3)")
                            .arg(c + 1)
                            .arg(code, learnerCodes.join(QStringLiteral(", "))));
        else if (languages.contains(code))
            error(line, QStringLiteral("column %1: the language \"%2\" has a column already").arg(c + 1).arg(code));
        languages.append(code);
    }
    return languages;
}

void PhraseListSource::addPhrase(QString text, const QJsonObject &translations, int line)
{
    text.replace(QChar(0x2019), QLatin1Char('\''));
    const QString problem = CatalogueSource::textProblem(text);
    if (!problem.isEmpty()) {
        error(line, QStringLiteral("the phrase \"%1\" %2").arg(text, problem));
        return;
    }
    CatalogueSource::Phrase phrase;
    phrase.id = m_category.id * 1000 + m_category.phrases.size() + 1;
    phrase.txt = text;
    phrase.wTrans = translations;
    phrase.wTrans.insert(QLatin1String(AppCommon::contentLanguageCode), text);
    m_category.phrases.append(phrase);
    m_lines.append(line);
}

void PhraseListSource::checkWords(const QString &lookupText)
{
    QStringList allWords;
    for (const CatalogueSource::Phrase &phrase : std::as_const(m_category.phrases))
        allWords += CorpusText::dictionaryWords(phrase.txt);
    QStringList missing;
    PronunciationLookup::performDictionaryLookup(PronunciationLookup::sortedUniqueWords(allWords), lookupText,
                                                 &missing);
    if (missing.isEmpty())
        return;
    const QStringList known = listedWords(lookupText);
    QSet<QString> reported;
    for (qsizetype i = 0; i < m_category.phrases.size(); ++i) {
        for (const QString &word : CorpusText::dictionaryWords(m_category.phrases.at(i).txt)) {
            if (!missing.contains(word) || reported.contains(word))
                continue;
            reported.insert(word);
            const QStringList closest = closestWords(word, known, 3);
            error(m_lines.at(i), QStringLiteral("the word \"%1\" is not in the pronunciation list%2")
                                     .arg(word.toLower(),
                                          closest.isEmpty() ? QString()
                                                            : QStringLiteral("; closest listed words: %1")
                                                                  .arg(closest.join(QStringLiteral(", ")).toLower())));
        }
    }
    m_errors.append(QStringLiteral("%1: a word missing from the pronunciation list can never be recognised; rewrite "
                                   "its phrase with listed words (spell numbers and abbreviations out, check the "
                                   "spelling)")
                        .arg(m_fileName));
}
