#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// Opens the desktop's sound settings, where the learner connects or chooses a microphone:
// the desktop's own settings page when the running desktop (XDG_CURRENT_DESKTOP) has one,
// then the usual volume controls, in that order; the first one installed is started.
//
// Thread: any. Failure: open() returns false when none of the programs is installed or
// none could be started.
namespace SoundSettings {
struct Program
{
    QString executable;
    QStringList arguments;
    bool operator==(const Program &other) const = default;
};

// The programs to try for a desktop name list such as "GNOME" or "ubuntu:GNOME".
QList<Program> candidates(const QString &currentDesktop);
bool open();

// Tests: how a program is found and started (empty: QStandardPaths and QProcess).
using Starter = std::function<bool(const Program &program)>;
void setStarterForTesting(Starter starter);
}
