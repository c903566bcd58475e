#pragma once

#include <QString>
#include <QStringList>

// Runs a child program that saves something in a loop and kills it with SIGKILL at a random
// moment, for the crash-safety tests.
//
// The child prints "ready" once it runs its saving loop, and "saved N" after each save
// that completed (N: the value it saved), flushing each line. runAndKill() waits for
// "ready", lets the child run for a random 0..maxDelayMs milliseconds, kills it and reports
// the last value the child reported as saved.
//
// Thread: main thread. Failure: `ready` is false (with the child's output in `output`)
// when the child did not start, exited on its own or never printed "ready" within 20 s.
namespace KillLoop {
struct Run
{
    bool ready = false;
    bool killed = false;         // false: the child had already exited when the kill came
    qint64 lastSaved = -1;       // the last "saved N" before the kill; -1 when none
    qint64 savesReported = 0;
    QString output;              // standard error, and standard output on failure
};

Run runAndKill(const QString &program, const QStringList &arguments, int maxDelayMs);
}
