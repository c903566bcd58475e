#include "content/ZQCryptor.h"

#include <gtest/gtest.h>

// Expected ciphertexts were computed once with
//   openssl enc -des-cbc -K <hex of key> -iv 3430373138323933 -a -A
// an implementation independent of ours.
TEST(Cryptor, MatchesIndependentDesCbcVectors)
{
    const QString key = QStringLiteral("quil5081");
    EXPECT_EQ(ZQCryptor::encryptWithDES(QString(), key), QStringLiteral("MUdziKAbzbc="));
    EXPECT_EQ(ZQCryptor::encryptWithDES(QStringLiteral("Hello, world!"), key),
              QStringLiteral("Tpg5MsrpstwFqCXjcNV1pw=="));
    EXPECT_EQ(ZQCryptor::encryptWithDES(QStringLiteral("0123456789abcdef"), key),
              QStringLiteral("7vbmIkVm+OQqH01DSjTBoVRTwcU66yhP"));
    EXPECT_EQ(ZQCryptor::encryptWithDES(QString::fromUtf8("Grüße 你好"), key),
              QStringLiteral("WpkrLuLH92aw/9EpjelUBw=="));
    EXPECT_EQ(ZQCryptor::encryptWithDES(QStringLiteral("Hello"), ZQCryptor::recordKey),
              QStringLiteral("oBoN0/8MJy8="));

    EXPECT_EQ(ZQCryptor::decryptWithDES(QStringLiteral("WpkrLuLH92aw/9EpjelUBw=="), key),
              QString::fromUtf8("Grüße 你好"));
    EXPECT_EQ(ZQCryptor::decryptWithDES(QStringLiteral("oBoN0/8MJy8="), ZQCryptor::recordKey),
              QStringLiteral("Hello"));
}

TEST(Cryptor, PaddingAlwaysAddsOneToEightBytes)
{
    const QString key = ZQCryptor::contentKey;
    // Empty text: one full padding block, 12 Base64 characters.
    EXPECT_EQ(ZQCryptor::encryptWithDES(QString(), key).size(), 12);
    for (int length = 0; length <= 24; ++length) {
        const QByteArray plain(length, 'x');
        const QByteArray cipher = ZQCryptor::encryptData(plain, ZQCryptor::Encrypt, key);
        EXPECT_EQ(cipher.size(), (length / 8 + 1) * 8) << "length " << length;
        EXPECT_EQ(ZQCryptor::decryptData(cipher, key), plain) << "length " << length;
    }
    // Equal plaintexts give equal ciphertexts (the vector is fixed).
    EXPECT_EQ(ZQCryptor::encryptWithDES(QStringLiteral("same"), key),
              ZQCryptor::encryptWithDES(QStringLiteral("same"), key));
}

TEST(Cryptor, BadCiphertextGivesEmptyOrNullResultsNeverGarbage)
{
    const QString key = ZQCryptor::contentKey;
    EXPECT_TRUE(ZQCryptor::decryptWithDES(QString(), key).isEmpty());
    EXPECT_FALSE(ZQCryptor::decryptWithDES(QString(), key).isNull());
    // Not Base64.
    EXPECT_TRUE(ZQCryptor::decryptWithDES(QStringLiteral("@@not base64@@"), key).isEmpty());
    // A truncated ciphertext is not a whole number of blocks.
    const QByteArray cipher = ZQCryptor::encryptData("sixteen bytes!!!", ZQCryptor::Encrypt, key);
    EXPECT_TRUE(ZQCryptor::decryptData(cipher.left(cipher.size() - 3), key).isEmpty());
    // The wrong key almost always breaks the padding; if it does not, the bytes still
    // differ from the plaintext.
    EXPECT_NE(ZQCryptor::decryptData(cipher, ZQCryptor::imageKey), QByteArray("sixteen bytes!!!"));
    // Bytes that decrypt fine but are not UTF-8 give a null text.
    const QByteArray latin1 = ZQCryptor::encryptData(QByteArray("\xff\xfe\xfd", 3), ZQCryptor::Encrypt, key);
    EXPECT_TRUE(ZQCryptor::decryptWithDES(QString::fromLatin1(latin1.toBase64()), key).isNull());
}
