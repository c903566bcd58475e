#include "KillLoop.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>

namespace KillLoop {

namespace {
bool waitForReady(QProcess &process, QByteArray *seen)
{
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 20000) {
        if (seen->contains("ready\n"))
            return true;
        if (process.state() != QProcess::Running)
            return false;
        process.waitForReadyRead(100);
        seen->append(process.readAllStandardOutput());
    }
    return false;
}

void readSaves(const QByteArray &output, Run *run)
{
    for (const QByteArray &line : output.split('\n')) {
        if (!line.startsWith("saved "))
            continue;
        bool ok = false;
        const qint64 value = line.mid(6).toLongLong(&ok);
        if (ok) {
            run->lastSaved = value;
            ++run->savesReported;
        }
    }
}
}

Run runAndKill(const QString &program, const QStringList &arguments, int maxDelayMs)
{
    Run run;
    QProcess process;
    process.start(program, arguments);
    QByteArray out;
    if (!process.waitForStarted(10000) || !waitForReady(process, &out)) {
        process.kill();
        process.waitForFinished(5000);
        run.output = QString::fromUtf8(out + process.readAllStandardOutput() + process.readAllStandardError());
        return run;
    }
    run.ready = true;
    // The sleep lets the child run undisturbed; its output waits in the pipe meanwhile.
    QThread::msleep(QRandomGenerator::global()->bounded(maxDelayMs + 1));
    run.killed = process.state() == QProcess::Running;
    process.kill();  // SIGKILL
    process.waitForFinished(10000);
    out += process.readAllStandardOutput();
    readSaves(out, &run);
    run.output = QString::fromUtf8(process.readAllStandardError());
    return run;
}
}
