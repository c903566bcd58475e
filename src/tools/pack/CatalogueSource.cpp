#include "CatalogueSource.h"

#include "content/AppCommon.h"
#include "content/CorpusText.h"
#include "speech/PronunciationLookup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QSet>

#include <limits>

namespace {
QString typeName(const QJsonValue &value)
{
    switch (value.type()) {
    case QJsonValue::Null:
        return QStringLiteral("null");
    case QJsonValue::Bool:
        return QStringLiteral("a boolean");
    case QJsonValue::Double:
        return QStringLiteral("a number");
    case QJsonValue::String:
        return QStringLiteral("a string");
    case QJsonValue::Array:
        return QStringLiteral("an array");
    case QJsonValue::Object:
        return QStringLiteral("an object");
    case QJsonValue::Undefined:
        break;
    }
    return QStringLiteral("missing");
}

bool allowedTextCharacter(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || u == ' ' || u == '\'' || u == '.'
        || u == ',' || u == '?' || u == '!';
}
}

QColor CatalogueSource::defaultColor() { return QColor(0x3b, 0x6f, 0xb6); }

qsizetype CatalogueSource::phraseCount() const
{
    qsizetype count = 0;
    for (const Category &category : m_categories)
        count += category.phrases.size();
    return count;
}

void CatalogueSource::error(const QString &file, const QString &message)
{
    m_errors.append(file + QStringLiteral(": ") + message);
}

bool CatalogueSource::load(const QString &folder, const QString &lookupText)
{
    m_categories.clear();
    m_errors.clear();

    const QDir dir(folder);
    if (!dir.exists()) {
        m_errors.append(QStringLiteral("%1: no such folder").arg(folder));
        return false;
    }
    const QStringList files =
        dir.entryList({QStringLiteral("*.json")}, QDir::Files | QDir::Readable, QDir::Name);
    if (files.isEmpty()) {
        m_errors.append(QStringLiteral("%1: no *.json category file").arg(folder));
        return false;
    }
    for (const QString &file : files)
        readFile(dir.filePath(file));

    // Ids across files.
    QHash<qint64, QString> categoryFiles;
    QHash<qint64, QString> phraseFiles;
    for (const Category &category : std::as_const(m_categories)) {
        if (categoryFiles.contains(category.id)) {
            error(category.fileName, QStringLiteral("category id %1 is also used by %2")
                                         .arg(category.id)
                                         .arg(categoryFiles.value(category.id)));
        } else {
            categoryFiles.insert(category.id, category.fileName);
        }
        for (const Phrase &phrase : category.phrases) {
            if (phraseFiles.contains(phrase.id)) {
                error(category.fileName, QStringLiteral("phrase %1: id is also used in %2")
                                             .arg(phrase.id)
                                             .arg(phraseFiles.value(phrase.id)));
            } else {
                phraseFiles.insert(phrase.id, category.fileName);
            }
        }
    }

    if (!lookupText.isNull())
        checkWords(lookupText);
    return m_errors.isEmpty();
}

void CatalogueSource::checkWords(const QString &lookupText)
{
    QStringList allWords;
    for (const Category &category : std::as_const(m_categories)) {
        for (const Phrase &phrase : category.phrases)
            allWords += CorpusText::dictionaryWords(phrase.txt);
    }
    QStringList missing;
    PronunciationLookup::performDictionaryLookup(PronunciationLookup::sortedUniqueWords(allWords),
                                                 lookupText, &missing);
    if (missing.isEmpty())
        return;
    const QSet<QString> missingSet(missing.cbegin(), missing.cend());
    for (const Category &category : std::as_const(m_categories)) {
        for (const Phrase &phrase : category.phrases) {
            QStringList reported;
            for (const QString &word : CorpusText::dictionaryWords(phrase.txt)) {
                if (missingSet.contains(word) && !reported.contains(word)) {
                    reported.append(word);
                    error(category.fileName,
                          QStringLiteral("phrase %1: word \"%2\" is not in the pronunciation list")
                              .arg(phrase.id)
                              .arg(word));
                }
            }
        }
    }
}

void CatalogueSource::readFile(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    const std::optional<QJsonObject> object = readObject(path, name);
    if (!object)
        return;
    const qsizetype errorsBefore = m_errors.size();
    Category category;
    category.fileName = name;
    const QString where = readCategoryFields(*object, &category);

    const QJsonValue phrasesValue = object->value(QLatin1String("phrases"));
    if (!phrasesValue.isArray() || phrasesValue.toArray().isEmpty()) {
        error(name, QStringLiteral("%1: \"phrases\" must be a non-empty array (it is %2)")
                        .arg(where, phrasesValue.isArray() ? QStringLiteral("empty") : typeName(phrasesValue)));
    } else {
        QSet<qint64> seen;
        const QJsonArray phrases = phrasesValue.toArray();
        for (qsizetype i = 0; i < phrases.size(); ++i) {
            if (std::optional<Phrase> phrase = readPhrase(phrases.at(i), i, name, &seen))
                category.phrases.append(*phrase);
        }
    }

    if (m_errors.size() == errorsBefore)
        m_categories.append(category);
}

std::optional<QJsonObject> CatalogueSource::readObject(const QString &path, const QString &name)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error(name, QStringLiteral("cannot be read: %1").arg(file.errorString()));
        return std::nullopt;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        error(name, QStringLiteral("not valid JSON at offset %1: %2")
                        .arg(parseError.offset)
                        .arg(parseError.errorString()));
        return std::nullopt;
    }
    if (!document.isObject()) {
        error(name, QStringLiteral("the top level is not a JSON object"));
        return std::nullopt;
    }
    return document.object();
}

QString CatalogueSource::readCategoryFields(const QJsonObject &object, Category *category)
{
    const QString &name = category->fileName;
    const std::optional<qint64> id = AppCommon::wholeNumber(object.value(QLatin1String("id")));
    if (!id || *id <= 0) {
        error(name, QStringLiteral("category: \"id\" must be an integer greater than 0 (it is %1)")
                        .arg(id ? QString::number(*id) : typeName(object.value(QLatin1String("id")))));
    } else {
        category->id = *id;
    }
    const QString where = id ? QStringLiteral("category %1").arg(*id) : QStringLiteral("category");

    const QJsonValue nameValue = object.value(QLatin1String("name"));
    if (!nameValue.isString() || nameValue.toString().trimmed().isEmpty())
        error(name, QStringLiteral("%1: \"name\" must be a non-empty string (it is %2)")
                        .arg(where, nameValue.isString() ? QStringLiteral("empty") : typeName(nameValue)));
    else
        category->name = nameValue.toString();
    category->nameTrans = checkTranslations(object.value(QLatin1String("nameTrans")), name, where,
                                            QStringLiteral("nameTrans"), category->name);

    const QJsonValue iconValue = object.value(QLatin1String("icon"));
    if (iconValue.isString())
        category->icon = iconValue.toString();
    else if (!iconValue.isUndefined())
        error(name, QStringLiteral("%1: \"icon\" must be a string (it is %2)").arg(where, typeName(iconValue)));

    const QJsonValue colorValue = object.value(QLatin1String("color"));
    category->color = defaultColor();
    if (colorValue.isString()) {
        const QColor color = QColor::fromString(colorValue.toString());
        if (color.isValid())
            category->color = color;
        else
            error(name, QStringLiteral("%1: \"color\" \"%2\" is not a colour").arg(where, colorValue.toString()));
    } else if (!colorValue.isUndefined()) {
        error(name, QStringLiteral("%1: \"color\" must be a string (it is %2)").arg(where, typeName(colorValue)));
    }
    return where;
}

QJsonObject CatalogueSource::checkTranslations(const QJsonValue &value, const QString &name,
                                               const QString &entry, const QString &key,
                                               const QString &englishText)
{
    if (!value.isObject()) {
        error(name, QStringLiteral("%1: \"%2\" must be an object (it is %3)").arg(entry, key, typeName(value)));
        return {};
    }
    const QJsonObject map = value.toObject();
    for (const QString &code : AppCommon::supportedLanguages()) {
        const QJsonValue text = map.value(code);
        if (!text.isString() || text.toString().trimmed().isEmpty())
            error(name, QStringLiteral("%1: \"%2\" has no text for \"%3\"").arg(entry, key, code));
    }
    for (auto it = map.constBegin(); it != map.constEnd(); ++it) {
        if (!it.value().isString())
            error(name, QStringLiteral("%1: \"%2\" entry \"%3\" must be a string").arg(entry, key, it.key()));
    }
    const QJsonValue english = map.value(QLatin1String("en"));
    if (!englishText.isEmpty() && english.isString() && english.toString() != englishText)
        error(name, QStringLiteral("%1: \"%2\" entry \"en\" (\"%3\") differs from \"%4\"")
                        .arg(entry, key, english.toString(), englishText));
    return map;
}

std::optional<CatalogueSource::Phrase> CatalogueSource::readPhrase(const QJsonValue &value, qsizetype position,
                                                                   const QString &name, QSet<qint64> *seen)
{
    const QString at = QStringLiteral("phrase at position %1").arg(position);
    if (!value.isObject()) {
        error(name, QStringLiteral("%1: must be an object (it is %2)").arg(at, typeName(value)));
        return std::nullopt;
    }
    const QJsonObject entry = value.toObject();
    Phrase phrase;
    const std::optional<qint64> phraseId = AppCommon::wholeNumber(entry.value(QLatin1String("id")));
    if (!phraseId || *phraseId <= 0) {
        error(name, QStringLiteral("%1: \"id\" must be an integer greater than 0 (it is %2)")
                        .arg(at, phraseId ? QString::number(*phraseId) : typeName(entry.value(QLatin1String("id")))));
        return std::nullopt;
    }
    phrase.id = *phraseId;
    const QString where = QStringLiteral("phrase %1").arg(phrase.id);
    if (seen->contains(phrase.id)) {
        error(name, QStringLiteral("%1: id appears twice in this file").arg(where));
        return std::nullopt;
    }
    seen->insert(phrase.id);

    const QJsonValue txt = entry.value(QLatin1String("txt"));
    if (!txt.isString())
        error(name, QStringLiteral("%1: \"txt\" must be a string (it is %2)").arg(where, typeName(txt)));
    else
        phrase.txt = checkedText(txt.toString(), name, where);

    const QJsonValue phon = entry.value(QLatin1String("phon"));
    if (phon.isString()) {
        // A blank transcription counts as none: the packer fills it in.
        if (!phon.toString().trimmed().isEmpty())
            phrase.phon = phon.toString();
    } else if (!phon.isUndefined()) {
        error(name, QStringLiteral("%1: \"phon\" must be a string (it is %2)").arg(where, typeName(phon)));
    }

    phrase.wTrans = checkTranslations(entry.value(QLatin1String("wTrans")), name, where,
                                      QStringLiteral("wTrans"), phrase.txt);
    return phrase;
}

QString CatalogueSource::textProblem(const QString &txt)
{
    for (const QChar c : txt) {
        if (!allowedTextCharacter(c)) {
            return QStringLiteral("holds the character \"%1\" (U+%2); only ASCII letters, spaces, apostrophes "
                                  "and . , ? ! are allowed")
                .arg(QString(c))
                .arg(c.unicode(), 4, 16, QLatin1Char('0'));
        }
    }
    if (CorpusText::dictionaryWords(txt).isEmpty())
        return QStringLiteral("holds no word");
    return {};
}

QString CatalogueSource::checkedText(const QString &txt, const QString &name, const QString &where)
{
    const QString problem = textProblem(txt);
    if (!problem.isEmpty())
        error(name, QStringLiteral("%1: \"txt\" %2").arg(where, problem));
    return txt;
}

void CatalogueSource::adopt(Category category)
{
    m_errors.clear();
    m_categories = {std::move(category)};
}
