// Test entry point: every test process gets its own Documents, Caches and preferences
// folders, so tests never touch the learner's real data or each other's.
#include "platform/foundation/PlatformPaths.h"
#include "platform/foundation/Preferences.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen")
                                                                     : qgetenv("QT_QPA_PLATFORM"));
    const QString scratch = TestSupport::scratchDirectory();
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(scratch + QStringLiteral("/config")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(scratch + QStringLiteral("/data")));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(scratch + QStringLiteral("/cache")));
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Phrasebook"));
    QCoreApplication::setApplicationName(QStringLiteral("phrasebook"));
    PlatformPaths::setDocumentsOverride(scratch + QStringLiteral("/Documents"));
    PlatformPaths::setCachesOverride(scratch + QStringLiteral("/Caches"));
    Preferences::setStorageFile(scratch + QStringLiteral("/preferences.ini"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
