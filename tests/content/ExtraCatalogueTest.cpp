#include "content/AppCommon.h"
#include "ContentFixture.h"
#include "platform/foundation/PlatformPaths.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

using namespace ContentFixture;

namespace {
class ExtraCatalogue : public ::testing::Test
{
protected:
    void SetUp() override
    {
        bundle = TestSupport::freshDirectory("bundle");
        extra = TestSupport::freshDirectory("extra");
        writeCategory(bundle, 1, "Greetings", QJsonArray{phrase(101, "Hello."), phrase(102, "Good night.")});
        writeCategory(bundle, 2, "Travel", QJsonArray{phrase(201, "Where is the station?")});
    }
    void TearDown() override
    {
        AppCommon::resetCatalogue();
        QDir(PlatformPaths::documentsDirectory() + "/catalogues").removeRecursively();
    }
    void load(const QStringList &extras)
    {
        AppCommon::resetCatalogue(bundle);
        AppCommon::setExtraCatalogueFolders(extras);
    }
    QStringList ids() const
    {
        QStringList result;
        for (const CategoryInfoPtr &category : AppCommon::getCategoryInfoList())
            result.append(category->id);
        return result;
    }
    QString bundle;
    QString extra;
};
}

TEST_F(ExtraCatalogue, ExtraCategoriesFollowTheBuiltInOnesWithTheirOwnMediaAndFallbacks)
{
    // "900010" sorts before "2" as text; the extra catalogue still comes after every built-in.
    writeCategory(extra, 900020, "Class B", QJsonArray{phrase(900020001, "See you.")});
    writeCategory(extra, 900010, "Class A",
                  QJsonArray{phrase(900010001, "Open the book.", QJsonObject{{"en", "Open the book."}, {"fr", "  "}}),
                             phrase(900010002, "Close the door.", QJsonObject{{"fr", "Fermez la porte."}})});
    load({extra});

    ASSERT_TRUE(AppCommon::preloadCatalogue()) << AppCommon::catalogueError().toStdString();
    EXPECT_EQ(ids(), (QStringList{"1", "2", "900010", "900020"}));
    EXPECT_TRUE(AppCommon::catalogueNotices().isEmpty());
    EXPECT_EQ(AppCommon::getAllPhraseInfoList().size(), 6);

    const auto list = AppCommon::getPhraseInfoList("900010");
    ASSERT_TRUE(list.has_value());
    ASSERT_EQ(list->size(), 2);
    const PhraseInfo &open = *list->at(0);
    EXPECT_EQ(open.categoryId, "900010");
    EXPECT_EQ(AppCommon::getVoicePath(open), extra + "/900010/voices/900010001.mp3");
    EXPECT_TRUE(AppCommon::getImagePath(open).startsWith(extra + "/900010/images/"));
    EXPECT_EQ(AppCommon::getCoverPath(*AppCommon::getCategoryInfoList().at(2)), extra + "/900010/cover.jpg");
    // The built-in media stay where they were.
    EXPECT_EQ(AppCommon::getVoicePath(*AppCommon::getPhraseInfoList("1")->at(0)), bundle + "/1/voices/101.mp3");

    // A blank translation is no translation: the label falls back to the phrase.
    AppCommon::setLanguageOverride("fr");
    EXPECT_EQ(open.translationText(), "Open the book.");
    EXPECT_EQ(list->at(1)->translationText(), "Fermez la porte.");
    EXPECT_EQ(AppCommon::getCategoryInfoList().at(2)->categoryDisplayName(), "Class A");
    AppCommon::setLanguageOverride(QString());
}

TEST_F(ExtraCatalogue, CollidingOrBrokenExtraCategoriesAreLeftOutAndTheRestLoads)
{
    writeCategory(extra, 2, "Takes a built-in category id", QJsonArray{phrase(5001, "Hello.")});
    writeCategory(extra, 3000, "Takes a built-in phrase id", QJsonArray{phrase(3000001, "Hi."), phrase(201, "Oops.")});
    writeCategory(extra, 4000, "Broken phrase list", QJsonArray{phrase(4000001, "Fine.")});
    QFile broken(extra + "/4000/phrasesInfo");
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
    broken.write("not a phrase list");
    broken.close();
    QDir().mkpath(extra + "/5000");  // a folder without a description
    writeCategory(extra, 6000, "Good", QJsonArray{phrase(6000001, "Thank you.")});
    // A second extra catalogue may not reuse the first one's ids either.
    const QString second = TestSupport::freshDirectory("second");
    writeCategory(second, 6000, "Same id", QJsonArray{phrase(7000001, "Bye.")});
    load({extra, second, extra + "/missing"});

    ASSERT_TRUE(AppCommon::preloadCatalogue()) << AppCommon::catalogueError().toStdString();
    EXPECT_EQ(ids(), (QStringList{"1", "2", "6000"}));
    EXPECT_EQ(AppCommon::getCategoryInfoList().at(1)->name, "Travel");
    const QString notices = AppCommon::catalogueNotices().join('\n');
    EXPECT_EQ(AppCommon::catalogueNotices().size(), 6) << notices.toStdString();
    EXPECT_TRUE(notices.contains("id 2 is already used by the category \"Travel\"")) << notices.toStdString();
    EXPECT_TRUE(notices.contains("phrase id 201 is already used")) << notices.toStdString();
    EXPECT_TRUE(notices.contains("4000/phrasesInfo: does not decrypt")) << notices.toStdString();
    EXPECT_TRUE(notices.contains("5000/pkgInfo: cannot be read")) << notices.toStdString();
    EXPECT_TRUE(notices.contains("id 6000 is already used by the category \"Good\"")) << notices.toStdString();
    EXPECT_TRUE(notices.contains("missing does not exist")) << notices.toStdString();
}

TEST_F(ExtraCatalogue, TheLearnersCataloguesFolderIsReadAndTellsCataloguesFromResourceRoots)
{
    const QString own = PlatformPaths::documentsDirectory() + "/catalogues";
    writeCategory(own + "/b-list", 910000, "Second list", QJsonArray{phrase(910000001, "Two.")});
    writeCategory(own + "/a-list", 920000, "First list", QJsonArray{phrase(920000001, "One.")});
    load({});
    ASSERT_TRUE(AppCommon::preloadCatalogue()) << AppCommon::catalogueError().toStdString();
    // Folders in name order, each one's categories sorted within it.
    EXPECT_EQ(ids(), (QStringList{"1", "2", "920000", "910000"}));

    EXPECT_TRUE(AppCommon::isExtraCatalogue(own + "/a-list"));
    const QString root = TestSupport::freshDirectory("root");
    QDir().mkpath(root + "/resources.bundle");
    EXPECT_FALSE(AppCommon::isExtraCatalogue(root));
    EXPECT_FALSE(AppCommon::isExtraCatalogue(root + "/nothing-here"));
    EXPECT_FALSE(AppCommon::isExtraCatalogue(TestSupport::freshDirectory("empty")));
}

TEST_F(ExtraCatalogue, ABrokenBuiltInCatalogueIsStillAnInstallationError)
{
    writeCategory(extra, 6000, "Good", QJsonArray{phrase(6000001, "Thank you.")});
    QFile broken(bundle + "/2/phrasesInfo");
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
    broken.write("garbage");
    broken.close();
    load({extra});
    EXPECT_FALSE(AppCommon::preloadCatalogue());
    EXPECT_TRUE(AppCommon::catalogueError().contains("2/phrasesInfo")) << AppCommon::catalogueError().toStdString();
}
