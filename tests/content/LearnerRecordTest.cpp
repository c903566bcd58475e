#include "content/AppCommon.h"
#include "platform/foundation/PlatformPaths.h"
#include "platform/foundation/Preferences.h"
#include "content/PropertyList.h"
#include "support/TestSupport.h"
#include "content/ZQCryptor.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <cmath>
#include <limits>

namespace {
class LearnerRecord : public ::testing::Test
{
protected:
    void SetUp() override
    {
        documents = TestSupport::freshDirectory("documents");
        PlatformPaths::setDocumentsOverride(documents);
        AppCommon::resetUserInfoPaths();
    }
    void TearDown() override
    {
        PlatformPaths::setDocumentsOverride(TestSupport::scratchDirectory() + "/Documents");
        AppCommon::resetUserInfoPaths();
    }
    void writeRecordText(const QByteArray &bytes)
    {
        QFile file(AppCommon::userInfoPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    void writeEncryptedPlist(const QByteArray &xml)
    {
        writeRecordText(ZQCryptor::encryptWithDES(QString::fromUtf8(xml), ZQCryptor::recordKey).toUtf8());
    }
    QStringList corruptCopies() const
    {
        return QDir(documents).entryList({"userInfo.plist.corrupt-*"}, QDir::Files);
    }
    QString documents;
};
}

TEST_F(LearnerRecord, CountersAndExperience)
{
    EXPECT_EQ(AppCommon::userInfoPath(), documents + "/userInfo.plist");
    EXPECT_EQ(AppCommon::recordFolderPath(), documents + "/record/");
    EXPECT_FALSE(AppCommon::userInfoExists());
    AppCommon::createUserInfo();
    ASSERT_TRUE(AppCommon::userInfoExists());
    const QVariantMap fresh = AppCommon::getUserInfo();
    EXPECT_EQ(fresh.keys().size(), AppCommon::userInfoKeys().size());
    for (const QString &key : AppCommon::userInfoKeys())
        EXPECT_EQ(fresh.value(key).toLongLong(), 0) << key.toStdString();
    EXPECT_EQ(AppCommon::getTotalExp(), 0);

    // Three launches, two listenings and one quiz scored 70: 30 + 10 + 10 + 70.
    for (int i = 0; i < 3; ++i)
        AppCommon::increaseUserInfoCount("kStartCount");
    AppCommon::increaseUserInfoCount("kListenCount");
    AppCommon::increaseUserInfoCount("kListenCount");
    AppCommon::addQuizRecord(70);
    EXPECT_EQ(AppCommon::getUserInfoCount("kStartCount"), 3);
    EXPECT_EQ(AppCommon::getUserInfoCount("kQuizCount"), 1);
    EXPECT_EQ(AppCommon::getUserInfoCount("kQuizTotalScore"), 70);
    EXPECT_EQ(AppCommon::getTotalExp(), 120);

    // Every weight of the formula.
    QVariantMap record = AppCommon::getUserInfo();
    record["kReadCount"] = qint64(1);
    record["kWriteCount"] = qint64(2);
    record["kReviewed"] = qint64(1);
    record["kAwordScore"] = qint64(7);
    ASSERT_TRUE(AppCommon::saveUserInfo(record));
    EXPECT_EQ(AppCommon::getTotalExp(), 120 + 5 + 10 + 1000 + 7);

    // On disk: Base64 text of the DES ciphertext of an XML property list of integers.
    QFile file(AppCommon::userInfoPath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString xml = ZQCryptor::decryptWithDES(QString::fromUtf8(file.readAll()), ZQCryptor::recordKey);
    EXPECT_TRUE(xml.contains("<key>kStartCount</key>"));
    EXPECT_TRUE(xml.contains("<integer>3</integer>"));
    EXPECT_TRUE(corruptCopies().isEmpty());
}

TEST_F(LearnerRecord, DamagedRecordIsKeptAsideAndReplaced)
{
    const std::vector<std::pair<const char *, QByteArray>> damaged = {
        {"not Base64", QByteArray("this is not a record")},
        {"truncated ciphertext",
         ZQCryptor::encryptWithDES("<plist><dict></dict></plist>", ZQCryptor::recordKey).toUtf8().left(10)},
        {"encrypted under another key",
         ZQCryptor::encryptWithDES("<plist><dict></dict></plist>", ZQCryptor::contentKey).toUtf8()},
        {"not a property list", ZQCryptor::encryptWithDES("hello", ZQCryptor::recordKey).toUtf8()},
        {"an array, not a dictionary",
         ZQCryptor::encryptWithDES("<?xml version=\"1.0\"?><plist version=\"1.0\"><array/></plist>",
                                   ZQCryptor::recordKey).toUtf8()},
        {"empty file", QByteArray()},
    };
    for (const auto &[what, bytes] : damaged) {
        SetUp();
        writeRecordText(bytes);
        const QVariantMap record = AppCommon::getUserInfo();
        EXPECT_EQ(record.value("kStartCount").toLongLong(), 0) << what;
        const QStringList copies = corruptCopies();
        ASSERT_EQ(copies.size(), 1) << what;
        QFile copy(documents + "/" + copies.first());
        ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
        EXPECT_EQ(copy.readAll(), bytes) << what;
        // The replacement is a valid record that counts on from zero.
        AppCommon::increaseUserInfoCount("kStartCount");
        EXPECT_EQ(AppCommon::getUserInfoCount("kStartCount"), 1) << what;
        EXPECT_EQ(corruptCopies().size(), 1) << what;
    }
}

TEST_F(LearnerRecord, RecordWithMissingOrWrongCountersIsRepairedKeepingTheRest)
{
    writeEncryptedPlist(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><dict>"
        "<key>kStartCount</key><integer>4</integer>"
        "<key>kListenCount</key><string>many</string>"
        "</dict></plist>");
    const QVariantMap record = AppCommon::getUserInfo();
    EXPECT_EQ(record.value("kStartCount").toLongLong(), 4);
    EXPECT_EQ(record.value("kListenCount").toLongLong(), 0);
    EXPECT_EQ(record.value("kQuizCount").toLongLong(), 0);
    EXPECT_EQ(corruptCopies().size(), 1);
    EXPECT_EQ(AppCommon::getTotalExp(), 40);
    // Repaired once: later reads find a complete record and keep no further copies.
    AppCommon::getUserInfo();
    EXPECT_EQ(corruptCopies().size(), 1);
}

TEST_F(LearnerRecord, UnreadableRecordIsNeverOverwritten)
{
    // A folder where the record should be cannot be read as a file; saving must not
    // destroy it either.
    QDir().mkpath(AppCommon::userInfoPath());
    EXPECT_EQ(AppCommon::getUserInfo().value("kStartCount").toLongLong(), 0);
    EXPECT_FALSE(AppCommon::saveUserInfo(AppCommon::getUserInfo()));
    EXPECT_TRUE(QFileInfo(AppCommon::userInfoPath()).isDir());
}

TEST(Preferences, LanguageResolution)
{
    EXPECT_EQ(AppCommon::systemLanguage({"zh-HK", "fr-CA"}), "fr");
    EXPECT_EQ(AppCommon::systemLanguage({"zh-Hant-HK"}), "zh-Hant");
    EXPECT_EQ(AppCommon::systemLanguage({"pt-BR", "en"}), "pt");
    EXPECT_EQ(AppCommon::systemLanguage({"sv-SE", "nl"}), "en");
    EXPECT_EQ(AppCommon::systemLanguage({}), "en");
    EXPECT_EQ(AppCommon::supportedLanguages().size(), 16);
    EXPECT_TRUE(AppCommon::supportedLanguages().contains(AppCommon::contentLanguageCode));

    Preferences::setValue(AppCommon::kLanguageTypeKey, "ko");
    EXPECT_EQ(AppCommon::currentLanguage(), "ko");
    Preferences::remove(AppCommon::kLanguageTypeKey);
    EXPECT_EQ(AppCommon::currentLanguage(), AppCommon::systemLanguage());
}

TEST(Preferences, DefaultsForAbsentOrNonPositiveValues)
{
    Preferences::remove(AppCommon::kPlaySpeedKey);
    Preferences::remove(AppCommon::kTestDurationKey);
    EXPECT_DOUBLE_EQ(AppCommon::playSpeed(), 1.0);
    EXPECT_DOUBLE_EQ(AppCommon::testDuration(), 60.0);
    AppCommon::setPlaySpeed(1.5);
    AppCommon::setTestDuration(120);
    EXPECT_DOUBLE_EQ(AppCommon::playSpeed(), 1.5);
    EXPECT_DOUBLE_EQ(AppCommon::testDuration(), 120.0);
    AppCommon::setPlaySpeed(0);
    AppCommon::setTestDuration(-5);
    EXPECT_DOUBLE_EQ(AppCommon::playSpeed(), 1.0);
    EXPECT_DOUBLE_EQ(AppCommon::testDuration(), 60.0);
    AppCommon::setPlaySpeed(std::numeric_limits<double>::infinity());
    AppCommon::setTestDuration(std::numeric_limits<double>::infinity());
    EXPECT_DOUBLE_EQ(AppCommon::playSpeed(), 1.0);
    EXPECT_DOUBLE_EQ(AppCommon::testDuration(), 60.0);
}

TEST(Preferences, FormatDuration)
{
    EXPECT_EQ(AppCommon::formatDuration(65), "01:05");
    EXPECT_EQ(AppCommon::formatDuration(59.9), "00:59");
    EXPECT_EQ(AppCommon::formatDuration(300), "05:00");
    EXPECT_EQ(AppCommon::formatDuration(3725), "01:02:05");
    EXPECT_EQ(AppCommon::formatDuration(0), "00:00");
    // Values a damaged preference may hold.
    EXPECT_EQ(AppCommon::formatDuration(-5), "00:00");
    EXPECT_EQ(AppCommon::formatDuration(std::nan("")), "00:00");
    EXPECT_EQ(AppCommon::formatDuration(1.0e300), "100000:00:00");
}

// A record holding the largest integers (a damaged or edited file): counting and the
// experience total stop at the end of the range instead of wrapping around.
TEST_F(LearnerRecord, CountsAtTheEndOfTheRangeStopThere)
{
    const qint64 largest = std::numeric_limits<qint64>::max();
    const qint64 smallest = std::numeric_limits<qint64>::min();
    QVariantMap record;
    for (const QString &key : AppCommon::userInfoKeys())
        record.insert(key, QVariant::fromValue(qint64(0)));
    record.insert("kListenCount", QVariant::fromValue(largest));
    record.insert("kReviewed", QVariant::fromValue(largest / 100));
    record.insert("kQuizTotalScore", QVariant::fromValue(smallest + 5));
    ASSERT_TRUE(AppCommon::saveUserInfo(record));

    AppCommon::increaseUserInfoCount("kListenCount");
    EXPECT_EQ(AppCommon::getUserInfoCount("kListenCount"), largest);
    EXPECT_EQ(AppCommon::getTotalExp(), largest);
    AppCommon::addQuizRecord(-10);
    EXPECT_EQ(AppCommon::getUserInfoCount("kQuizTotalScore"), smallest);
    EXPECT_EQ(AppCommon::getUserInfoCount("kQuizCount"), 1);
    // Nothing was taken for damage along the way.
    EXPECT_TRUE(corruptCopies().isEmpty());
}
