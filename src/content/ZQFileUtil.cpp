#include "ZQFileUtil.h"

#include "platform/foundation/PlatformPaths.h"
#include "PropertyList.h"
#include "ZQCryptor.h"
#include "platform/foundation/ZQLog.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

QString ZQFileUtil::getCachesDirectory()
{
    return PlatformPaths::cachesDirectory() + QLatin1Char('/');
}

QString ZQFileUtil::getDocumentsDirectory()
{
    return PlatformPaths::documentsDirectory() + QLatin1Char('/');
}

double ZQFileUtil::getFileSizeAtPath(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return 0;
    return double(info.size());
}

float ZQFileUtil::getFolderSizeAtPath(const QString &path)
{
    if (!QFileInfo(path).isDir())
        return 0;
    double total = 0;
    QDirIterator it(path, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        total += getFileSizeAtPath(it.next());
    return float(total * 9.5367431640625e-7);
}

void ZQFileUtil::removeFileInFolder(const QString &path)
{
    QDir folder(path);
    const QFileInfoList entries =
        folder.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    for (const QFileInfo &entry : entries) {
        if (entry.isDir() && !entry.isSymLink())
            QDir(entry.absoluteFilePath()).removeRecursively();
        else
            QFile::remove(entry.absoluteFilePath());
    }
}

std::optional<QVariantMap> ZQFileUtil::getDicFromEncryptedPlist(const QString &path,
                                                                const QString &key)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ZQLog::log(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()), 2);
        return std::nullopt;
    }
    QByteArray bytes = file.readAll();
    if (!key.isEmpty()) {
        const QString plain = ZQCryptor::decryptWithDES(QString::fromUtf8(bytes), key);
        if (plain.isEmpty()) {
            ZQLog::log(QStringLiteral("%1 does not decrypt to text").arg(path), 2);
            return std::nullopt;
        }
        bytes = plain.toUtf8();
    }
    QString error;
    auto dictionary = PropertyList::parseDictionary(bytes, &error);
    if (!dictionary)
        ZQLog::log(QStringLiteral("%1: %2").arg(path, error), 2);
    return dictionary;
}
