#include "AtomicFile.h"

#include <QFile>
#include <QSaveFile>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

bool failed(AtomicFile::Failure *failure, QFileDevice::FileError code, const QString &path,
            const QString &reason)
{
    if (failure) {
        failure->code = code != QFileDevice::NoError ? code : QFileDevice::UnspecifiedError;
        failure->reason = reason;
        failure->message = QStringLiteral("cannot write %1: %2").arg(path, reason);
    }
    return false;
}

bool writeSynced(const QString &path, QByteArrayView bytes, AtomicFile::Failure *failure)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failed(failure, file.error(), path, file.errorString());
    if (file.write(bytes.data(), bytes.size()) != bytes.size()) {
        const QFileDevice::FileError code = file.error();
        const QString reason = file.errorString();
        file.cancelWriting();
        return failed(failure, code, path, reason);
    }
    if (!file.commit())
        return failed(failure, file.error(), path, file.errorString());
    return true;
}

bool writeUnsynced(const QString &path, QByteArrayView bytes, AtomicFile::Failure *failure)
{
    QTemporaryFile file(path + QStringLiteral(".XXXXXX"));
    if (!file.open() || file.write(bytes.data(), bytes.size()) != bytes.size() || !file.flush())
        return failed(failure, file.error(), path, file.errorString());
    // Temporary files are private to their owner; the target is an ordinary file.
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                        | QFileDevice::ReadOther);
    // rename() replaces an existing target in one step.
    if (std::rename(QFile::encodeName(file.fileName()).constData(), QFile::encodeName(path).constData()) != 0) {
        const int error = errno;
        return failed(failure, QFileDevice::RenameError, path, QString::fromLocal8Bit(std::strerror(error)));
    }
    file.setAutoRemove(false);
    return true;
}

} // namespace

namespace AtomicFile {

bool write(const QString &path, QByteArrayView bytes, Failure *failure, Durability durability)
{
    return durability == Durability::Synced ? writeSynced(path, bytes, failure)
                                            : writeUnsynced(path, bytes, failure);
}

}
