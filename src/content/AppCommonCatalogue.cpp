// Catalogue loading: categories, phrase lists, random draws and media paths.
#include "AppCommon.h"

#include "platform/foundation/PlatformPaths.h"
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
#include <QSet>

#include <algorithm>
#include <cstdio>

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
    QStringList extraFolders;                // given on the command line
    QHash<QString, QString> categoryRoots;   // an extra category's id -> the bundle holding it
    QStringList notices;                     // extra catalogue content that was left out
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
    const std::optional<qint64> number = AppCommon::wholeNumber(value);
    return number ? QString::number(*number) : QString();
}

// The string entries of a translation map. A blank text counts as missing, so the display
// falls back to the next text instead of showing an empty label.
QMap<QString, QString> stringMap(const QJsonObject &object)
{
    QMap<QString, QString> result;
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (it.value().isString() && !it.value().toString().trimmed().isEmpty())
            result.insert(it.key(), it.value().toString());
    }
    return result;
}

bool parseJson(const QByteArray &bytes, const QString &path, QJsonDocument *document, QString *problem)
{
    QJsonParseError parseError;
    *document = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        *problem = QStringLiteral("%1: not valid JSON (%2 at offset %3)")
                        .arg(path, parseError.errorString())
                        .arg(parseError.offset);
        return false;
    }
    return true;
}

CategoryInfoPtr loadCategory(const QString &folder, const QString &entryName, QString *problem)
{
    const QString path = folder + QStringLiteral("/pkgInfo");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *problem = QStringLiteral("%1: cannot be read (%2)").arg(path, file.errorString());
        return nullptr;
    }
    QJsonDocument document;
    if (!parseJson(file.readAll(), path, &document, problem))
        return nullptr;
    if (!document.isObject()) {
        *problem = QStringLiteral("%1: the category description is not a JSON object").arg(path);
        return nullptr;
    }
    const QJsonObject object = document.object();
    auto category = std::make_shared<CategoryInfo>();
    category->id = idText(object.value(QStringLiteral("id")));
    if (category->id.isEmpty()) {
        *problem = QStringLiteral("%1: \"id\" is missing or not an integer").arg(path);
        return nullptr;
    }
    if (category->id != entryName) {
        *problem = QStringLiteral("%1: \"id\" %2 does not match its folder name %3")
                        .arg(path, category->id, entryName);
        return nullptr;
    }
    if (!object.value(QStringLiteral("name")).isString()) {
        *problem = QStringLiteral("%1: \"name\" is missing or not a string").arg(path);
        return nullptr;
    }
    category->name = object.value(QStringLiteral("name")).toString();
    if (!object.value(QStringLiteral("nameTrans")).isObject()) {
        *problem = QStringLiteral("%1: \"nameTrans\" is missing or not an object").arg(path);
        return nullptr;
    }
    category->trans = stringMap(object.value(QStringLiteral("nameTrans")).toObject());
    if (!category->trans.contains(QLatin1String(AppCommon::contentLanguageCode))) {
        *problem = QStringLiteral("%1: \"nameTrans\" has no \"%2\" entry")
                        .arg(path, QLatin1String(AppCommon::contentLanguageCode));
        return nullptr;
    }
    return category;
}

std::optional<QList<PhraseInfoPtr>> loadPhrases(const QString &root, const CategoryInfo &category, QString *problem)
{
    const QString path = root + QLatin1Char('/') + category.id + QStringLiteral("/phrasesInfo");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *problem = QStringLiteral("%1: cannot be read (%2)").arg(path, file.errorString());
        return std::nullopt;
    }
    const QString plain =
        ZQCryptor::decryptWithDES(QString::fromUtf8(file.readAll()), ZQCryptor::contentKey);
    if (plain.isEmpty()) {
        *problem = QStringLiteral("%1: does not decrypt to UTF-8 text").arg(path);
        return std::nullopt;
    }
    QJsonDocument document;
    if (!parseJson(plain.toUtf8(), path, &document, problem))
        return std::nullopt;
    if (!document.isArray()) {
        *problem = QStringLiteral("%1: the phrase list is not a JSON array").arg(path);
        return std::nullopt;
    }
    QList<PhraseInfoPtr> phrases;
    const QJsonArray array = document.array();
    phrases.reserve(array.size());
    for (qsizetype i = 0; i < array.size(); ++i) {
        if (!array.at(i).isObject()) {
            *problem = QStringLiteral("%1: entry %2 is not an object").arg(path).arg(i);
            return std::nullopt;
        }
        const QJsonObject object = array.at(i).toObject();
        auto phrase = std::make_shared<PhraseInfo>();
        phrase->id = idText(object.value(QStringLiteral("id")));
        if (phrase->id.isEmpty()) {
            *problem = QStringLiteral("%1: entry %2: \"id\" is missing or not an integer")
                            .arg(path).arg(i);
            return std::nullopt;
        }
        const QJsonValue text = object.value(QStringLiteral("txt"));
        if (!text.isString()) {
            *problem = QStringLiteral("%1: phrase %2: \"txt\" is missing or not a string")
                            .arg(path, phrase->id);
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

// The bundle holding a category's files: an extra catalogue's, or the installed one.
QString rootOf(const QString &categoryId)
{
    return catalogue().categoryRoots.value(categoryId, bundlePath());
}

void notice(const QString &message)
{
    catalogue().notices.append(message);
    std::fprintf(stderr, "phrasebook: %s\n", message.toLocal8Bit().constData());
}

// The extra catalogues: the folders given on the command line, then each folder in the
// learner's "catalogues" folder, in name order.
QStringList extraCatalogueFolders()
{
    QStringList folders = catalogue().extraFolders;
    const QDir own(PlatformPaths::documentsDirectory() + QStringLiteral("/catalogues"));
    for (const QString &entry : own.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        folders.append(own.filePath(entry));
    return folders;
}

// Why `category` (with `phrases`) cannot join the catalogue `taken`: an id that names a
// category or phrase already there would mix up screens, recordings and scores.
QString collision(const CategoryInfo &category, const QList<PhraseInfoPtr> &phrases,
                  const QList<CategoryInfoPtr> &taken, const QSet<QString> &phraseIds)
{
    for (const CategoryInfoPtr &other : taken) {
        if (other->id == category.id)
            return QStringLiteral("its id %1 is already used by the category \"%2\"").arg(category.id, other->name);
    }
    QSet<QString> own;
    for (const PhraseInfoPtr &phrase : phrases) {
        if (phraseIds.contains(phrase->id) || own.contains(phrase->id))
            return QStringLiteral("its phrase id %1 is already used").arg(phrase->id);
        own.insert(phrase->id);
    }
    return {};
}

// Adds the categories of the extra catalogue `root` that load completely and collide with
// nothing to `categories`; everything left out is reported as a notice, never as an error.
void addExtraCatalogue(const QString &root, QList<CategoryInfoPtr> *categories, QSet<QString> *phraseIds)
{
    const QDir dir(root);
    if (!dir.exists()) {
        notice(QStringLiteral("the extra catalogue %1 does not exist; it is left out").arg(root));
        return;
    }
    QList<CategoryInfoPtr> added;
    for (const QString &entry : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        QString problem;
        CategoryInfoPtr category = loadCategory(dir.filePath(entry), entry, &problem);
        std::optional<QList<PhraseInfoPtr>> phrases;
        if (category)
            phrases = loadPhrases(root, *category, &problem);
        if (phrases)
            problem = collision(*category, *phrases, *categories + added, *phraseIds);
        if (!problem.isEmpty()) {
            notice(QStringLiteral("the category %1 of the extra catalogue %2 is left out: %3").arg(entry, root, problem));
            continue;
        }
        for (const PhraseInfoPtr &phrase : *phrases)
            phraseIds->insert(phrase->id);
        category->phraseInfoList = std::move(phrases);
        catalogue().categoryRoots.insert(category->id, root);
        added.append(category);
    }
    if (added.isEmpty() && dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot).isEmpty())
        notice(QStringLiteral("the extra catalogue %1 holds no category folder").arg(root));
    std::stable_sort(added.begin(), added.end(),
                     [](const CategoryInfoPtr &a, const CategoryInfoPtr &b) { return a->id < b->id; });
    categories->append(added);
}

// The extra catalogues' categories after the installed ones. The installed phrase lists are
// read first (as the launch would) so that no extra phrase can take one of their ids.
void addExtraCatalogues(QList<CategoryInfoPtr> *categories)
{
    const QStringList folders = extraCatalogueFolders();
    if (folders.isEmpty())
        return;
    QSet<QString> phraseIds;
    for (const CategoryInfoPtr &category : std::as_const(*categories)) {
        QString problem;
        std::optional<QList<PhraseInfoPtr>> phrases = loadPhrases(bundlePath(), *category, &problem);
        if (!phrases) {
            recordError(problem);
            return;
        }
        for (const PhraseInfoPtr &phrase : *phrases)
            phraseIds.insert(phrase->id);
        category->phraseInfoList = std::move(phrases);
    }
    for (const QString &folder : folders)
        addExtraCatalogue(QDir::cleanPath(QDir(folder).absolutePath()), categories, &phraseIds);
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
        QString problem;
        CategoryInfoPtr category = loadCategory(root + QLatin1Char('/') + entry, entry, &problem);
        if (!category) {
            // One broken category makes the whole installation unusable; keep nothing half-loaded.
            recordError(problem);
            return c.categories;
        }
        loaded.append(category);
    }
    // Ids compare as text: "10" sorts before "2".
    std::stable_sort(loaded.begin(), loaded.end(),
                     [](const CategoryInfoPtr &a, const CategoryInfoPtr &b) { return a->id < b->id; });
    addExtraCatalogues(&loaded);
    if (!c.error.isEmpty())
        return c.categories;
    c.categories = loaded;
    return c.categories;
}

std::optional<QList<PhraseInfoPtr>> getPhraseInfoList(const QString &categoryId)
{
    for (const CategoryInfoPtr &category : getCategoryInfoList()) {
        if (category->id != categoryId)
            continue;
        if (!category->phraseInfoList) {
            QString problem;
            auto phrases = loadPhrases(rootOf(category->id), *category, &problem);
            if (!phrases) {
                recordError(problem);
                return std::nullopt;
            }
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
    const QString categoryId = phrase.categoryId.value_or(QString());
    return rootOf(categoryId) + QLatin1Char('/') + categoryId + QStringLiteral("/images/") + imageFileName(phrase.id) + QStringLiteral(".jpg");
}

QString getVoicePath(const PhraseInfo &phrase)
{
    const QString categoryId = phrase.categoryId.value_or(QString());
    return rootOf(categoryId) + QLatin1Char('/') + categoryId + QStringLiteral("/voices/") + phrase.id + QStringLiteral(".mp3");
}

QString getCoverPath(const CategoryInfo &category)
{
    return rootOf(category.id) + QLatin1Char('/') + category.id + QStringLiteral("/cover.jpg");
}

bool preloadCatalogue()
{
    getAllPhraseInfoList();
    return catalogue().error.isEmpty();
}

QString catalogueError() { return catalogue().error; }

void setExtraCatalogueFolders(const QStringList &folders) { catalogue().extraFolders = folders; }

const QStringList &catalogueNotices() { return catalogue().notices; }

bool isExtraCatalogue(const QString &folder)
{
    const QDir dir(folder);
    if (!dir.exists() || dir.exists(QStringLiteral("resources.bundle")))
        return false;
    for (const QString &entry : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (QFileInfo(dir.filePath(entry) + QStringLiteral("/pkgInfo")).isFile())
            return true;
    }
    return false;
}

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
