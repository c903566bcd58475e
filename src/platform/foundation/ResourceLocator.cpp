#include "ResourceLocator.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {
QString &commandLineRoot()
{
    static QString path;
    return path;
}

QStringList implicitCandidates()
{
    QStringList result;
    if (QCoreApplication::instance())
        result << QDir::cleanPath(QCoreApplication::applicationDirPath()
                                  + QStringLiteral("/../share/phrasebook"));
    result << QStringLiteral(PHRASEBOOK_BUILD_RESOURCE_ROOT);
    return result;
}
}

namespace ResourceLocator {
void setCommandLineRoot(const QString &path) { commandLineRoot() = path; }

QString resourceRoot()
{
    if (!commandLineRoot().isEmpty())
        return QDir::cleanPath(commandLineRoot());
    const QString fromEnvironment = qEnvironmentVariable("PHRASEBOOK_RESOURCES");
    if (!fromEnvironment.isEmpty())
        return QDir::cleanPath(fromEnvironment);
    const QStringList candidates = implicitCandidates();
    for (const QString &candidate : candidates) {
        if (QFileInfo::exists(candidate + QStringLiteral("/resources.bundle")))
            return candidate;
    }
    return candidates.isEmpty() ? QString() : candidates.first();
}

QString bundlePath(const QString &name)
{
    const QString path = resourceRoot() + QLatin1Char('/') + name + QStringLiteral(".bundle");
    return QFileInfo(path).isDir() ? path : QString();
}

QString describeSearch()
{
    if (!commandLineRoot().isEmpty())
        return QStringLiteral("--resources %1").arg(commandLineRoot());
    const QString fromEnvironment = qEnvironmentVariable("PHRASEBOOK_RESOURCES");
    if (!fromEnvironment.isEmpty())
        return QStringLiteral("$PHRASEBOOK_RESOURCES=%1").arg(fromEnvironment);
    return implicitCandidates().join(QStringLiteral(", "));
}
}
