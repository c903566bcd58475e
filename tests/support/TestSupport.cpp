#include "TestSupport.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUuid>

namespace TestSupport {
QTemporaryDir &scratch()
{
    static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/phrasebook-test-XXXXXX"));
    return dir;
}

QString scratchDirectory() { return scratch().path(); }

QString freshDirectory(const QString &name)
{
    const QString path = scratchDirectory() + QLatin1Char('/') + name + QLatin1Char('-')
        + QUuid::createUuid().toString(QUuid::Id128).left(8);
    QDir().mkpath(path);
    return path;
}

int runProgram(const QString &program, const QStringList &arguments, QString *out, int timeoutMs)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForStarted(10000))
        return -1;
    process.waitForFinished(timeoutMs);
    if (out)
        *out = QString::fromUtf8(process.readAll());
    if (process.exitStatus() != QProcess::NormalExit)
        return -1;
    return process.exitCode();
}

bool programAvailable(const QString &program)
{
    return !QStandardPaths::findExecutable(program).isEmpty();
}

bool testToolsRequired(const QByteArray &environmentValue) { return environmentValue == "1"; }

bool testToolsRequired() { return testToolsRequired(qgetenv("PHRASEBOOK_REQUIRE_TEST_TOOLS")); }
}
