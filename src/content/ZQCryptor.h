#pragma once

#include <QByteArray>
#include <QString>

// DES in CBC mode with PKCS#7 padding, the first 8 bytes of the UTF-8 key, and the fixed
// initialisation vector "40718293". The text form of a ciphertext is standard Base64.
// Because the vector is fixed, equal plaintexts under one key give equal ciphertexts.
//
// Keys of the program: content "quil5081" (phrase lists), image "vesk6630" (phrase images),
// record "mord2947" (learner record).
//
// Thread: any (stateless). Failure results: a cipher failure (wrong padding on decrypt,
// input that is not a whole number of blocks, invalid Base64) yields an empty result;
// decrypted bytes that are not valid UTF-8 yield a null QString from the text operations.
// The file operations write atomically and leave the target untouched on failure
// (returning false).
class ZQCryptor
{
public:
    enum Operation { Encrypt = 0, Decrypt = 1 };

    static inline const QString contentKey = QStringLiteral("quil5081");
    static inline const QString imageKey = QStringLiteral("vesk6630");
    static inline const QString recordKey = QStringLiteral("mord2947");

    // Encrypt: UTF-8 bytes -> cipher -> Base64 text. Decrypt: Base64 -> cipher -> UTF-8
    // text; a null QString when the bytes are not valid UTF-8.
    static QString encrypt(const QString &text, int operation, const QString &key);
    static QString encryptWithDES(const QString &text, const QString &key);
    static QString decryptWithDES(const QString &base64Text, const QString &key);

    // The cipher applied to raw bytes, no Base64.
    static QByteArray encryptData(const QByteArray &bytes, int operation, const QString &key);
    static QByteArray decryptData(const QByteArray &bytes, const QString &key);

    // File helpers. decryptWithDESForFile writes <path>.src; encryptWithDESForFile reads a
    // property-list dictionary and writes <path>.des.
    static bool decryptWithDESForFile(const QString &path, const QString &key);
    static bool encryptWithDESForFile(const QString &path, const QString &key);
    static bool encryptWithDESForPlistFile(const QString &sourcePath, const QString &targetPath,
                                           const QString &key);
    static bool encryptWithDESForDataFile(const QString &sourcePath, const QString &targetPath,
                                          const QString &key);
    static bool decryptWithDESForDataFile(const QString &sourcePath, const QString &targetPath,
                                          const QString &key);
};
