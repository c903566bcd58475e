#include "ZQCryptor.h"

#include "PropertyList.h"
#include "platform/foundation/AtomicFile.h"

#include <QFile>
#include <QStringDecoder>

#include <nettle/cbc.h>
#include <nettle/des.h>

#include <cstring>

namespace {
constexpr char kInitialisationVector[] = "40718293";

void prepareKey(des_ctx *context, const QString &key)
{
    // The key is the first 8 bytes of its UTF-8 form, zero-filled when shorter. Parity bits
    // are ignored by DES; nettle's des_set_key also reports weak keys, which none of the
    // program's keys are, and the schedule is usable either way.
    uint8_t keyBytes[DES_KEY_SIZE] = {};
    const QByteArray utf8 = key.toUtf8();
    std::memcpy(keyBytes, utf8.constData(), std::min<size_t>(utf8.size(), DES_KEY_SIZE));
    des_set_key(context, keyBytes);
}

QByteArray desEncrypt(const QByteArray &plain, const QString &key)
{
    des_ctx context;
    prepareKey(&context, key);
    // PKCS#7: always add 1..8 bytes of padding, each holding the padding length.
    const int padding = DES_BLOCK_SIZE - plain.size() % DES_BLOCK_SIZE;
    QByteArray buffer = plain;
    buffer.append(QByteArray(padding, char(padding)));
    uint8_t iv[DES_BLOCK_SIZE];
    std::memcpy(iv, kInitialisationVector, DES_BLOCK_SIZE);
    QByteArray out(buffer.size(), Qt::Uninitialized);
    cbc_encrypt(&context, reinterpret_cast<nettle_cipher_func *>(des_encrypt), DES_BLOCK_SIZE, iv,
                size_t(buffer.size()), reinterpret_cast<uint8_t *>(out.data()),
                reinterpret_cast<const uint8_t *>(buffer.constData()));
    return out;
}

QByteArray desDecrypt(const QByteArray &cipher, const QString &key)
{
    if (cipher.isEmpty() || cipher.size() % DES_BLOCK_SIZE != 0)
        return {};
    des_ctx context;
    prepareKey(&context, key);
    uint8_t iv[DES_BLOCK_SIZE];
    std::memcpy(iv, kInitialisationVector, DES_BLOCK_SIZE);
    QByteArray out(cipher.size(), Qt::Uninitialized);
    cbc_decrypt(&context, reinterpret_cast<nettle_cipher_func *>(des_decrypt), DES_BLOCK_SIZE, iv,
                size_t(cipher.size()), reinterpret_cast<uint8_t *>(out.data()),
                reinterpret_cast<const uint8_t *>(cipher.constData()));
    const int padding = static_cast<unsigned char>(out.back());
    if (padding < 1 || padding > DES_BLOCK_SIZE)
        return {};
    for (int i = 1; i <= padding; ++i) {
        if (static_cast<unsigned char>(out.at(out.size() - i)) != padding)
            return {};
    }
    out.chop(padding);
    return out;
}

QString strictUtf8(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return QString();
    // An empty but valid result stays distinguishable from "not UTF-8".
    return text.isNull() ? QStringLiteral("") : text;
}
}

QString ZQCryptor::encrypt(const QString &text, int operation, const QString &key)
{
    if (operation == Encrypt)
        return QString::fromLatin1(desEncrypt(text.toUtf8(), key).toBase64());
    const auto decoded = QByteArray::fromBase64Encoding(text.toUtf8(),
                                                        QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded)
        return QStringLiteral("");
    return strictUtf8(desDecrypt(*decoded, key));
}

QString ZQCryptor::encryptWithDES(const QString &text, const QString &key)
{
    return encrypt(text, Encrypt, key);
}

QString ZQCryptor::decryptWithDES(const QString &base64Text, const QString &key)
{
    return encrypt(base64Text, Decrypt, key);
}

QByteArray ZQCryptor::encryptData(const QByteArray &bytes, int operation, const QString &key)
{
    return operation == Encrypt ? desEncrypt(bytes, key) : desDecrypt(bytes, key);
}

QByteArray ZQCryptor::decryptData(const QByteArray &bytes, const QString &key)
{
    return encryptData(bytes, Decrypt, key);
}

bool ZQCryptor::decryptWithDESForFile(const QString &path, const QString &key)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QString plain = decryptWithDES(QString::fromUtf8(file.readAll()), key);
    if (plain.isNull())
        return false;
    return AtomicFile::write(path + QStringLiteral(".src"), plain.toUtf8());
}

bool ZQCryptor::encryptWithDESForFile(const QString &path, const QString &key)
{
    return encryptWithDESForPlistFile(path, path + QStringLiteral(".des"), key);
}

bool ZQCryptor::encryptWithDESForPlistFile(const QString &sourcePath, const QString &targetPath,
                                           const QString &key)
{
    QFile file(sourcePath);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QString error;
    const auto dictionary = PropertyList::parseDictionary(file.readAll(), &error);
    if (!dictionary)
        return false;
    const QByteArray xml = PropertyList::serializeXml(*dictionary, &error);
    if (xml.isEmpty())
        return false;
    return AtomicFile::write(
        targetPath, encryptWithDES(QString::fromUtf8(xml), key).toUtf8());
}

bool ZQCryptor::encryptWithDESForDataFile(const QString &sourcePath, const QString &targetPath,
                                          const QString &key)
{
    QFile file(sourcePath);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return AtomicFile::write(targetPath, encryptData(file.readAll(), Encrypt, key));
}

bool ZQCryptor::decryptWithDESForDataFile(const QString &sourcePath, const QString &targetPath,
                                          const QString &key)
{
    QFile file(sourcePath);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray plain = decryptData(file.readAll(), key);
    if (plain.isEmpty())
        return false;
    return AtomicFile::write(targetPath, plain);
}
