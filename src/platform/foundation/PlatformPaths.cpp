#include "PlatformPaths.h"

#include <QDir>
#include <QStandardPaths>

namespace {
QString &documentsOverride()
{
    static QString value;
    return value;
}
QString &cachesOverride()
{
    static QString value;
    return value;
}
QString ensured(const QString &path)
{
    QDir().mkpath(path);
    return QDir::cleanPath(path);
}
}

namespace PlatformPaths {
QString documentsDirectory()
{
    if (!documentsOverride().isEmpty())
        return ensured(documentsOverride());
    return ensured(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

QString cachesDirectory()
{
    if (!cachesOverride().isEmpty())
        return ensured(cachesOverride());
    return ensured(QStandardPaths::writableLocation(QStandardPaths::CacheLocation));
}

void setDocumentsOverride(const QString &path) { documentsOverride() = path; }
void setCachesOverride(const QString &path) { cachesOverride() = path; }
}
