#pragma once

#include <QString>

// Helpers shared by the tests.
namespace TestSupport {
// The private scratch folder of this test process (removed at exit).
QString scratchDirectory();
// A fresh empty folder below scratchDirectory().
QString freshDirectory(const QString &name);
// Runs a program and returns its exit code (-1 when it cannot start); output goes to *out.
int runProgram(const QString &program, const QStringList &arguments, QString *out = nullptr,
               int timeoutMs = 120000);
bool programAvailable(const QString &program);
}
