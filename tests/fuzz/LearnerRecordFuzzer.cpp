// The learner record "userInfo.plist": Base64 DES text (record key) of an XML property list.
// Input: mode, record. An even mode takes the record as a plain property list and encrypts it
// (so the property-list checks get fuzzed); an odd mode writes the bytes as they are.
//
// Promises checked: reading never fails and gives every counter as an integer; a record
// that had to be replaced or repaired is kept aside byte for byte; after reading, the file
// on disk is a sound record; a counter still counts up by one.
#include "FuzzSupport.h"

#include "content/AppCommon.h"
#include "content/PropertyList.h"
#include "content/ZQCryptor.h"
#include "platform/foundation/PlatformPaths.h"

#include <QDir>
#include <QFile>

#include <limits>

namespace {
QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool soundRecord(const QVariantMap &record)
{
    for (const QString &key : AppCommon::userInfoKeys()) {
        const QVariant value = record.value(key);
        if (value.typeId() != QMetaType::LongLong && value.typeId() != QMetaType::Int)
            return false;
    }
    return true;
}

std::optional<QVariantMap> decodeFile(const QString &path)
{
    const QString plain = ZQCryptor::decryptWithDES(QString::fromUtf8(readAll(path)), ZQCryptor::recordKey);
    return PropertyList::parseDictionary(plain.toUtf8());
}

bool keptAside(const QString &folder, const QByteArray &original)
{
    const QStringList copies = QDir(folder).entryList({QStringLiteral("userInfo.plist.corrupt-*")}, QDir::Files);
    for (const QString &copy : copies) {
        if (readAll(folder + QLatin1Char('/') + copy) == original)
            return true;
    }
    return false;
}
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace FuzzSupport;
    init();
    const Input input = split(data, size, 1);
    const QString documents = freshFolder(QStringLiteral("Documents"));
    PlatformPaths::setDocumentsOverride(documents);
    AppCommon::resetUserInfoPaths();
    QByteArray record = bytes(input.parts[0]);
    if ((input.mode & 1) == 0)
        record = ZQCryptor::encryptWithDES(QString::fromUtf8(record), ZQCryptor::recordKey).toUtf8();
    const QString path = AppCommon::userInfoPath();
    writeFile(path, std::string_view(record.constData(), size_t(record.size())));

    const QVariantMap read = AppCommon::getUserInfo();
    fuzzCheck(soundRecord(read), "every counter reads as an integer");
    const QByteArray after = readAll(path);
    if (after != record)
        fuzzCheck(keptAside(documents, record), "a replaced or repaired record is kept aside");
    const auto onDisk = decodeFile(path);
    fuzzCheck(onDisk && soundRecord(*onDisk), "the record on disk is sound after reading");

    const qint64 listens = read.value(QStringLiteral("kListenCount")).toLongLong();
    AppCommon::increaseUserInfoCount(QStringLiteral("kListenCount"));
    const qint64 counted = AppCommon::getUserInfoCount(QStringLiteral("kListenCount"));
    const qint64 largest = std::numeric_limits<qint64>::max();
    fuzzCheck(listens == largest ? counted == largest : counted == listens + 1,
              "a counter counts up by one (and stops at its largest value)");
    // Weighted sums of any stored counters: an overflow here is undefined behaviour, which
    // the sanitizer reports as a crash.
    AppCommon::getTotalExp();
    return 0;
}
