// Catalogue loading: categories, phrase lists, random draws and media paths.
#include "AppCommon.h"

#include "platform/foundation/ResourceLocator.h"
#include "ZQCryptor.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QRandomGenerator>

#include <algorithm>

namespace {
struct Catalogue
{
    bool bundleResolved = false;
    QString bundlePath;
    bool categoriesLoaded = false;
    QList<CategoryInfoPtr> categories;
    bool allPhrasesLoaded = false;
    QList<PhraseInfoPtr> allPhrases;
    QString error;
};

Catalogue &catalogue()
{
    static Catalogue instance;
    return instance;
}

void recordError(const QString &message)
{
    if (catalogue().error.isEmpty())
        catalogue().error = message;
}

const QString &bundlePath()
{
    Catalogue &c = catalogue();
    if (!c.bundleResolved) {
        c.bundleResolved = true;
        c.bundlePath = ResourceLocator::bundlePath(QStringLiteral("resources"));
    }
    return c.bundlePath;
}

// A JSON integer id (a whole number) as decimal text; empty when the value is not one.
QString idText(const QJsonValue &value)
{
    if (!value.isDouble())
        return {};
    const double number = value.toDouble();
    if (number != double(qint64(number)))
        return {};
    return QString::number(qint64(number));
}

QMap<QString, QString> stringMap(const QJsonObject &object)
{
    QMap<QString, QString> result;
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (it.value().isString())
            result.insert(it.key(), it.value().toString());
    }
    return result;
}

bool parseJson(const QByteArray &bytes, const QString &path, QJsonDocument *document)
{
    QJsonParseError parseError;
    *document = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        recordError(QStringLiteral("%1: not valid JSON (%2 at offset %3)")
                        .arg(path, parseError.errorString())
                        .arg(parseError.offset));
        return false;
    }
    return true;
}

CategoryInfoPtr loadCategory(const QString &folder, const QString &entryName)
{
    const QString path = folder + QStringLiteral("/pkgInfo");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        recordError(QStringLiteral("%1: cannot be read (%2)").arg(path, file.errorString()));
        return nullptr;
    }
    QJsonDocument document;
    if (!parseJson(file.readAll(), path, &document))
        return nullptr;
    if (!document.isObject()) {
        recordError(QStringLiteral("%1: the category description is not a JSON object").arg(path));
        return nullptr;
    }
    const QJsonObject object = document.object();
    auto category = std::make_shared<CategoryInfo>();
    category->id = idText(object.value(QStringLiteral("id")));
    if (category->id.isEmpty()) {
        recordError(QStringLiteral("%1: \"id\" is missing or not an integer").arg(path));
        return nullptr;
    }
    if (category->id != entryName) {
        recordError(QStringLiteral("%1: \"id\" %2 does not match its folder name %3")
                        .arg(path, category->id, entryName));
        return nullptr;
    }
    if (!object.value(QStringLiteral("name")).isString()) {
        recordError(QStringLiteral("%1: \"name\" is missing or not a string").arg(path));
        return nullptr;
    }
    category->name = object.value(QStringLiteral("name")).toString();
    if (!object.value(QStringLiteral("nameTrans")).isObject()) {
        recordError(QStringLiteral("%1: \"nameTrans\" is missing or not an object").arg(path));
        return nullptr;
    }
    category->trans = stringMap(object.value(QStringLiteral("nameTrans")).toObject());
    if (!category->trans.contains(QLatin1String(AppCommon::contentLanguageCode))) {
        recordError(QStringLiteral("%1: \"nameTrans\" has no \"%2\" entry")
                        .arg(path, QLatin1String(AppCommon::contentLanguageCode)));
        return nullptr;
    }
    return category;
}

std::optional<QList<PhraseInfoPtr>> loadPhrases(const CategoryInfo &category)
{
    const QString path = bundlePath() + QLatin1Char('/') + category.id + QStringLiteral("/phrasesInfo");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        recordError(QStringLiteral("%1: cannot be read (%2)").arg(path, file.errorString()));
        return std::nullopt;
    }
    const QString plain =
        ZQCryptor::decryptWithDES(QString::fromUtf8(file.readAll()), ZQCryptor::contentKey);
    if (plain.isEmpty()) {
        recordError(QStringLiteral("%1: does not decrypt to UTF-8 text").arg(path));
        return std::nullopt;
    }
    QJsonDocument document;
    if (!parseJson(plain.toUtf8(), path, &document))
        return std::nullopt;
    if (!document.isArray()) {
        recordError(QStringLiteral("%1: the phrase list is not a JSON array").arg(path));
        return std::nullopt;
    }
    QList<PhraseInfoPtr> phrases;
    const QJsonArray array = document.array();
    phrases.reserve(array.size());
    for (qsizetype i = 0; i < array.size(); ++i) {
        if (!array.at(i).isObject()) {
            recordError(QStringLiteral("%1: entry %2 is not an object").arg(path).arg(i));
            return std::nullopt;
        }
        const QJsonObject object = array.at(i).toObject();
        auto phrase = std::make_shared<PhraseInfo>();
        phrase->id = idText(object.value(QStringLiteral("id")));
        if (phrase->id.isEmpty()) {
            recordError(QStringLiteral("%1: entry %2: \"id\" is missing or not an integer")
                            .arg(path).arg(i));
            return std::nullopt;
        }
        const QJsonValue text = object.value(QStringLiteral("txt"));
        if (!text.isString()) {
            recordError(QStringLiteral("%1: phrase %2: \"txt\" is missing or not a string")
                            .arg(path, phrase->id));
            return std::nullopt;
        }
        phrase->content = text.toString();
        phrase->phon = object.value(QStringLiteral("phon")).toString();
        phrase->trans = stringMap(object.value(QStringLiteral("wTrans")).toObject());
        phrase->categoryId = category.id;
        phrase->indexInCategory = int(i);
        phrases.append(phrase);
    }
    return phrases;
}

template <typename T>
QList<T> drawDistinct(QList<T> pool, int count)
{
    QList<T> result;
    if (count <= 0)
        return result;
    count = std::min<int>(count, int(pool.size()));
    result.reserve(count);
    for (int i = 0; i < count; ++i) {
        const auto r = QRandomGenerator::global()->bounded(quint32(pool.size()));
        result.append(pool.takeAt(qsizetype(r)));
    }
    return result;
}
}

namespace AppCommon {

QString resourcesBundlePath() { return bundlePath(); }

const QList<CategoryInfoPtr> &getCategoryInfoList()
{
    Catalogue &c = catalogue();
    if (c.categoriesLoaded)
        return c.categories;
    c.categoriesLoaded = true;
    const QString &root = bundlePath();
    if (root.isEmpty()) {
        recordError(QStringLiteral("the content bundle \"resources.bundle\" was not found (looked in %1)")
                        .arg(ResourceLocator::describeSearch()));
        return c.categories;
    }
    if (!QFileInfo(root).isDir()) {
        recordError(QStringLiteral("%1: the content bundle is not a folder").arg(root));
        return c.categories;
    }
    const QDir dir(root);
    const QStringList entries = dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    QList<CategoryInfoPtr> loaded;
    for (const QString &entry : entries) {
        CategoryInfoPtr category = loadCategory(root + QLatin1Char('/') + entry, entry);
        if (!category) {
            // One broken category makes the whole installation unusable; keep nothing half-loaded.
            return c.categories;
        }
        loaded.append(category);
    }
    // Ids compare as text: "10" sorts before "2".
    std::stable_sort(loaded.begin(), loaded.end(),
                     [](const CategoryInfoPtr &a, const CategoryInfoPtr &b) { return a->id < b->id; });
    c.categories = loaded;
    return c.categories;
}

std::optional<QList<PhraseInfoPtr>> getPhraseInfoList(const QString &categoryId)
{
    for (const CategoryInfoPtr &category : getCategoryInfoList()) {
        if (category->id != categoryId)
            continue;
        if (!category->phraseInfoList) {
            auto phrases = loadPhrases(*category);
            if (!phrases)
                return std::nullopt;
            category->phraseInfoList = std::move(phrases);
        }
        return category->phraseInfoList;
    }
    return std::nullopt;
}

const QList<PhraseInfoPtr> &getAllPhraseInfoList()
{
    Catalogue &c = catalogue();
    if (c.allPhrasesLoaded)
        return c.allPhrases;
    QList<PhraseInfoPtr> all;
    for (const CategoryInfoPtr &category : getCategoryInfoList()) {
        const auto phrases = getPhraseInfoList(category->id);
        if (!phrases)
            return c.allPhrases;  // error recorded; stay unloaded so the caller sees it
        all.append(*phrases);
    }
    if (!c.error.isEmpty())
        return c.allPhrases;
    c.allPhrases = all;
    c.allPhrasesLoaded = true;
    return c.allPhrases;
}

QList<PhraseInfoPtr> getRandomPhraseInfos(int count)
{
    return drawDistinct(getAllPhraseInfoList(), count);
}

std::optional<QList<PhraseInfoPtr>> getRandomPhraseInfos(const CategoryInfo &category, int count)
{
    if (!category.phraseInfoList || category.phraseInfoList->size() < count)
        return std::nullopt;
    return drawDistinct(*category.phraseInfoList, count);
}

QList<PhraseInfoPtr> getRandomPhraseInfos(const QList<PhraseInfoPtr> &phrases, int count)
{
    return drawDistinct(phrases, count);
}

QStringList getRandomWords(const QStringList &words, int count)
{
    return drawDistinct(words, count);
}

QString imageFileName(const QString &phraseId)
{
    const QByteArray source = (QStringLiteral("images-") + phraseId + QLatin1Char('-')
                               + QLatin1String(contentLanguageCode)).toUtf8();
    return QString::fromLatin1(QCryptographicHash::hash(source, QCryptographicHash::Md5).toHex());
}

QString getImagePath(const PhraseInfo &phrase)
{
    return bundlePath() + QLatin1Char('/') + phrase.categoryId.value_or(QString())
        + QStringLiteral("/images/") + imageFileName(phrase.id) + QStringLiteral(".jpg");
}

QString getVoicePath(const PhraseInfo &phrase)
{
    return bundlePath() + QLatin1Char('/') + phrase.categoryId.value_or(QString())
        + QStringLiteral("/voices/") + phrase.id + QStringLiteral(".mp3");
}

QString getCoverPath(const CategoryInfo &category)
{
    return bundlePath() + QLatin1Char('/') + category.id + QStringLiteral("/cover.jpg");
}

bool preloadCatalogue()
{
    getAllPhraseInfoList();
    return catalogue().error.isEmpty();
}

QString catalogueError() { return catalogue().error; }

void resetCatalogue(const QString &path)
{
    Catalogue &c = catalogue();
    c = Catalogue();
    if (!path.isEmpty()) {
        c.bundleResolved = true;
        c.bundlePath = path;
    }
}
}
