#include "content/AppCommon.h"
#include "ContentFixture.h"
#include "platform/foundation/Preferences.h"
#include "support/TestSupport.h"
#include "content/ZQCryptor.h"

#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSet>

using namespace ContentFixture;

namespace {
class Catalogue : public ::testing::Test
{
protected:
    void SetUp() override { bundle = TestSupport::freshDirectory("bundle"); }
    void TearDown() override
    {
        AppCommon::resetCatalogue();
        Preferences::remove(AppCommon::kLanguageTypeKey);
    }
    void load() { AppCommon::resetCatalogue(bundle); }
    QString bundle;
};

QJsonArray phrases(int firstId, int count)
{
    QJsonArray array;
    for (int i = 0; i < count; ++i)
        array.append(phrase(firstId + i, QStringLiteral("Phrase %1.").arg(firstId + i)));
    return array;
}
}

TEST_F(Catalogue, CategoriesSortAsTextAndPhrasesKeepFileOrder)
{
    writeCategory(bundle, 2, "Two", phrases(20, 2));
    writeCategory(bundle, 10, "Ten", phrases(100, 1));
    writeCategory(bundle, 1, "One",
                  QJsonArray{phrase(7, "Good morning.", QJsonObject{{"fr", "Bonjour."}}),
                             QJsonObject{{"id", 30}, {"txt", "Only text."}, {"phon", 5}, {"wTrans", "x"}}});
    load();
    const auto &categories = AppCommon::getCategoryInfoList();
    ASSERT_EQ(categories.size(), 3);
    EXPECT_EQ(categories[0]->id, "1");
    EXPECT_EQ(categories[1]->id, "10");
    EXPECT_EQ(categories[2]->id, "2");
    EXPECT_EQ(categories[1]->name, "Ten");
    EXPECT_FALSE(categories[0]->phraseInfoList.has_value());

    const auto list = AppCommon::getPhraseInfoList("1");
    ASSERT_TRUE(list.has_value());
    ASSERT_EQ(list->size(), 2);
    const PhraseInfo &first = *list->at(0);
    EXPECT_EQ(first.id, "7");
    EXPECT_EQ(first.content, "Good morning.");
    EXPECT_EQ(first.categoryId, std::optional<QString>("1"));
    EXPECT_EQ(first.indexInCategory, 0);
    EXPECT_EQ(first.score, -1);
    EXPECT_TRUE(first.soundPath.isEmpty());
    // Wrongly typed optional keys read as empty.
    const PhraseInfo &second = *list->at(1);
    EXPECT_EQ(second.id, "30");
    EXPECT_EQ(second.indexInCategory, 1);
    EXPECT_TRUE(second.phon.isEmpty());
    EXPECT_TRUE(second.trans.isEmpty());
    EXPECT_EQ(second.foreignText(), "Only text.");
    EXPECT_EQ(second.translationText(), "Only text.");

    // The list is loaded once and shared: the same records on every call.
    const auto again = AppCommon::getPhraseInfoList("1");
    EXPECT_EQ(again->at(0).get(), list->at(0).get());
    EXPECT_TRUE(categories[0]->phraseInfoList.has_value());
    EXPECT_FALSE(AppCommon::getPhraseInfoList("3").has_value());
    EXPECT_FALSE(AppCommon::getPhraseInfoList("01").has_value());

    // All phrases: categories in list order, each in file order.
    const auto &all = AppCommon::getAllPhraseInfoList();
    QStringList ids;
    for (const auto &p : all)
        ids << p->id;
    EXPECT_EQ(ids, QStringList({"7", "30", "100", "20", "21"}));
    EXPECT_EQ(all.at(0).get(), list->at(0).get());
    EXPECT_TRUE(AppCommon::catalogueError().isEmpty());
    EXPECT_TRUE(AppCommon::preloadCatalogue());
}

TEST_F(Catalogue, DerivedTextsFollowTheLearnersLanguage)
{
    writeCategory(bundle, 1, "Greetings",
                  QJsonArray{phrase(1, "content text", QJsonObject{{"en", "Hello!"}, {"fr", "Bonjour !"}})},
                  QJsonObject{{"fr", "Salutations"}});
    load();
    const auto list = AppCommon::getPhraseInfoList("1");
    const PhraseInfo &p = *list->at(0);
    const CategoryInfo &c = *AppCommon::getCategoryInfoList().at(0);

    Preferences::setValue(AppCommon::kLanguageTypeKey, "fr");
    EXPECT_EQ(p.foreignText(), "Hello!");
    EXPECT_EQ(p.translationText(), "Bonjour !");
    EXPECT_EQ(c.categoryDisplayName(), "Salutations");

    // No entry for the learner's language: the content-language entry serves both.
    Preferences::setValue(AppCommon::kLanguageTypeKey, "ja");
    EXPECT_EQ(p.translationText(), "Hello!");
    EXPECT_EQ(c.categoryDisplayName(), "Greetings");

    // A run's --language override wins over the stored preference, which stays as it is.
    AppCommon::setLanguageOverride("fr");
    EXPECT_EQ(AppCommon::currentLanguage(), "fr");
    EXPECT_EQ(Preferences::value(AppCommon::kLanguageTypeKey).toString(), "ja");
    AppCommon::setLanguageOverride(QString());
    EXPECT_EQ(AppCommon::currentLanguage(), "ja");
}

TEST_F(Catalogue, MediaPathsAndImageNames)
{
    writeCategory(bundle, 2, "Two", QJsonArray{phrase(5, "Five.")});
    load();
    const auto list = AppCommon::getPhraseInfoList("2");
    const PhraseInfo &p = *list->at(0);
    EXPECT_EQ(AppCommon::getVoicePath(p), bundle + "/2/voices/5.mp3");
    const QString md5 = QString::fromLatin1(
        QCryptographicHash::hash("images-5-en", QCryptographicHash::Md5).toHex());
    EXPECT_EQ(AppCommon::getImagePath(p), bundle + "/2/images/" + md5 + ".jpg");
    EXPECT_EQ(AppCommon::getCoverPath(*AppCommon::getCategoryInfoList().at(0)), bundle + "/2/cover.jpg");
}

TEST_F(Catalogue, RandomDrawsAreDistinctAndBounded)
{
    writeCategory(bundle, 1, "One", phrases(1, 5));
    writeCategory(bundle, 2, "Two", phrases(10, 3));
    load();
    ASSERT_TRUE(AppCommon::preloadCatalogue());
    const CategoryInfo &one = *AppCommon::getCategoryInfoList().at(0);
    const CategoryInfo &two = *AppCommon::getCategoryInfoList().at(1);

    QSet<QString> seenFirst;
    for (int round = 0; round < 50; ++round) {
        const auto draw = AppCommon::getRandomPhraseInfos(one, 5);
        ASSERT_TRUE(draw.has_value());
        QSet<QString> ids;
        for (const auto &p : *draw)
            ids.insert(p->id);
        EXPECT_EQ(ids.size(), 5);
        seenFirst.insert(draw->at(0)->id);
    }
    // Every phrase turns up first at some point: the order is random, not file order.
    EXPECT_EQ(seenFirst.size(), 5);
    EXPECT_FALSE(AppCommon::getRandomPhraseInfos(two, 4).has_value());
    EXPECT_EQ(AppCommon::getRandomPhraseInfos(two, 0)->size(), 0);

    const auto all = AppCommon::getRandomPhraseInfos(8);
    QSet<QString> allIds;
    for (const auto &p : all)
        allIds.insert(p->id);
    EXPECT_EQ(allIds.size(), 8);

    const QStringList words = {"a", "b", "c", "d"};
    const QStringList drawn = AppCommon::getRandomWords(words, 3);
    EXPECT_EQ(drawn.size(), 3);
    EXPECT_EQ(QSet<QString>(drawn.begin(), drawn.end()).size(), 3);
    for (const QString &w : drawn)
        EXPECT_TRUE(words.contains(w));
    EXPECT_TRUE(AppCommon::getRandomWords(words, 0).isEmpty());
}

TEST_F(Catalogue, BrokenContentIsReportedWithTheFileNeverCrashes)
{
    struct Case
    {
        const char *what;
        std::function<void(const QString &)> damage;
        const char *fileInMessage;
    };
    // Replaces category 1's description with `json`.
    auto pkgInfo = [](const char *json) {
        return [json](const QString &b) {
            QFile f(b + "/1/pkgInfo");
            f.open(QIODevice::WriteOnly);
            f.write(json);
        };
    };
    const std::vector<Case> cases = {
        {"truncated pkgInfo",
         [](const QString &b) {
             QFile f(b + "/1/pkgInfo");
             f.open(QIODevice::WriteOnly);
             f.write("{\"id\": 1, \"na");
         },
         "/1/pkgInfo"},
        {"missing pkgInfo", [](const QString &b) { QFile::remove(b + "/1/pkgInfo"); }, "/1/pkgInfo"},
        {"id of the wrong type", pkgInfo(R"({"id": "1", "name": "One", "nameTrans": {"en": "One"}})"), "/1/pkgInfo"},
        {"id past the integer range", pkgInfo(R"({"id": 1e300, "name": "One", "nameTrans": {"en": "One"}})"), "/1/pkgInfo"},
        {"no content-language name", pkgInfo(R"({"id": 1, "name": "One", "nameTrans": {"fr": "Un"}})"), "/1/pkgInfo"},
        {"missing phrasesInfo", [](const QString &b) { QFile::remove(b + "/1/phrasesInfo"); }, "/1/phrasesInfo"},
        {"phrasesInfo under another key",
         [](const QString &b) {
             QFile f(b + "/1/phrasesInfo");
             f.open(QIODevice::WriteOnly);
             f.write(ZQCryptor::encryptWithDES("[]", ZQCryptor::imageKey).toUtf8());
         },
         "/1/phrasesInfo"},
        {"phrase without txt",
         [](const QString &b) {
             QFile f(b + "/1/phrasesInfo");
             f.open(QIODevice::WriteOnly);
             f.write(ZQCryptor::encryptWithDES(R"([{"id": 4}])", ZQCryptor::contentKey).toUtf8());
         },
         "/1/phrasesInfo"},
        {"folder name differs from the id",
         [](const QString &b) { QDir().rename(b + "/1", b + "/9"); }, "/9/pkgInfo"},
    };
    for (const Case &c : cases) {
        bundle = TestSupport::freshDirectory("broken");
        writeCategory(bundle, 1, "One", phrases(1, 2));
        c.damage(bundle);
        load();
        EXPECT_FALSE(AppCommon::preloadCatalogue()) << c.what;
        EXPECT_TRUE(AppCommon::catalogueError().contains(c.fileInMessage))
            << c.what << ": " << AppCommon::catalogueError().toStdString();
        EXPECT_TRUE(AppCommon::getAllPhraseInfoList().isEmpty()) << c.what;
    }

    AppCommon::resetCatalogue(TestSupport::scratchDirectory() + "/no-such-bundle");
    EXPECT_FALSE(AppCommon::preloadCatalogue());
    EXPECT_TRUE(AppCommon::getCategoryInfoList().isEmpty());
}
