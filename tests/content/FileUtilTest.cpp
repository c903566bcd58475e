#include "support/TestSupport.h"
#include "content/PropertyList.h"
#include "content/ZQCryptor.h"
#include "content/ZQFileUtil.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

namespace {
void writeFile(const QString &path, qsizetype size)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(size, 'a'));
}
}

TEST(FileUtil, SizesAndEmptyingAFolder)
{
    const QString folder = TestSupport::freshDirectory("sizes");
    EXPECT_EQ(ZQFileUtil::getFolderSizeAtPath(folder), 0.0f);
    EXPECT_EQ(ZQFileUtil::getFolderSizeAtPath(folder + "/missing"), 0.0f);
    EXPECT_EQ(ZQFileUtil::getFileSizeAtPath(folder + "/missing"), 0.0);

    writeFile(folder + "/one.caf", 1048576);
    EXPECT_EQ(ZQFileUtil::getFileSizeAtPath(folder + "/one.caf"), 1048576.0);
    EXPECT_FLOAT_EQ(ZQFileUtil::getFolderSizeAtPath(folder), 1.0f);

    QDir().mkpath(folder + "/sub/deeper");
    writeFile(folder + "/sub/deeper/two.caf", 524288);
    EXPECT_GT(ZQFileUtil::getFolderSizeAtPath(folder), 1.5f);

    ZQFileUtil::removeFileInFolder(folder);
    EXPECT_TRUE(QDir(folder).exists());
    EXPECT_TRUE(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).isEmpty());
    EXPECT_EQ(ZQFileUtil::getFolderSizeAtPath(folder), 0.0f);
    ZQFileUtil::removeFileInFolder(folder + "/missing");  // no effect, no crash
}

TEST(FileUtil, EncryptedPropertyListsAndFileCiphers)
{
    const QString folder = TestSupport::freshDirectory("plist");
    const QString plain = folder + "/record.plist";
    {
        QFile file(plain);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("<?xml version=\"1.0\"?><plist version=\"1.0\"><dict>"
                   "<key>kStartCount</key><integer>12</integer></dict></plist>");
    }
    const auto direct = ZQFileUtil::getDicFromEncryptedPlist(plain, QString());
    ASSERT_TRUE(direct.has_value());
    EXPECT_EQ(direct->value("kStartCount").toLongLong(), 12);

    ASSERT_TRUE(ZQCryptor::encryptWithDESForFile(plain, ZQCryptor::recordKey));
    const auto decrypted = ZQFileUtil::getDicFromEncryptedPlist(plain + ".des", ZQCryptor::recordKey);
    ASSERT_TRUE(decrypted.has_value());
    EXPECT_EQ(decrypted->value("kStartCount").toLongLong(), 12);
    EXPECT_FALSE(ZQFileUtil::getDicFromEncryptedPlist(plain + ".des", ZQCryptor::contentKey).has_value());
    EXPECT_FALSE(ZQFileUtil::getDicFromEncryptedPlist(folder + "/missing", ZQCryptor::recordKey).has_value());

    ASSERT_TRUE(ZQCryptor::decryptWithDESForFile(plain + ".des", ZQCryptor::recordKey));
    QFile source(plain + ".des.src");
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    EXPECT_TRUE(source.readAll().contains("<integer>12</integer>"));

    // Raw byte files round-trip through the data ciphers.
    ASSERT_TRUE(ZQCryptor::encryptWithDESForDataFile(plain, folder + "/data.des", ZQCryptor::imageKey));
    ASSERT_TRUE(ZQCryptor::decryptWithDESForDataFile(folder + "/data.des", folder + "/data.out", ZQCryptor::imageKey));
    QFile a(plain), b(folder + "/data.out");
    ASSERT_TRUE(a.open(QIODevice::ReadOnly));
    ASSERT_TRUE(b.open(QIODevice::ReadOnly));
    EXPECT_EQ(a.readAll(), b.readAll());
    // A failed decryption leaves no target behind.
    EXPECT_FALSE(ZQCryptor::decryptWithDESForDataFile(plain, folder + "/never", ZQCryptor::imageKey));
    EXPECT_FALSE(QFile::exists(folder + "/never"));
}

TEST(PropertyListTest, AStringHoldingANulByteIsReadWholeInsteadOfAbortingTheProgram)
{
    // Found by fuzzing the learner record: libplist's plist_get_string_val aborts the process
    // on such a string.
    const QByteArray xml("<?xml version=\"1.0\"?><plist version=\"1.0\"><dict>"
                         "<key>kStartCount</key><integer>3</integer>"
                         "<key>note</key><string>x\0y</string></dict></plist>",
                         140);
    ASSERT_EQ(xml.count('\0'), 1);
    const auto parsed = PropertyList::parseDictionary(xml);
    ASSERT_TRUE(parsed.has_value());
    EXPECT_EQ(parsed->value("kStartCount").toLongLong(), 3);
    // libplist keeps what comes before the NUL byte, and the string's length.
    const QString note = parsed->value("note").toString();
    EXPECT_EQ(note.size(), 3);
    EXPECT_TRUE(note.startsWith(QLatin1Char('x'))) << qPrintable(note);
}
