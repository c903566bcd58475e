#include "SoundSettings.h"

#include <QProcess>
#include <QStandardPaths>

namespace {
SoundSettings::Starter &starter()
{
    static SoundSettings::Starter function;
    return function;
}

bool startInstalled(const SoundSettings::Program &program)
{
    const QString path = QStandardPaths::findExecutable(program.executable);
    return !path.isEmpty() && QProcess::startDetached(path, program.arguments);
}
}

namespace SoundSettings {
QList<Program> candidates(const QString &currentDesktop)
{
    const Program gnome{QStringLiteral("gnome-control-center"), {QStringLiteral("sound")}};
    const Program kde{QStringLiteral("systemsettings"), {QStringLiteral("kcm_pulseaudio")}};
    const Program cinnamon{QStringLiteral("cinnamon-settings"), {QStringLiteral("sound")}};
    const Program mate{QStringLiteral("mate-volume-control"), {}};
    // The input devices page of the PulseAudio volume control.
    const Program pavucontrol{QStringLiteral("pavucontrol"), {QStringLiteral("--tab=4")}};
    const Program pavucontrolQt{QStringLiteral("pavucontrol-qt"), {}};

    QList<Program> ordered;
    const QStringList desktops = currentDesktop.toUpper().split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (const QString &desktop : desktops) {
        if (desktop == QLatin1String("GNOME") || desktop == QLatin1String("UNITY") || desktop == QLatin1String("BUDGIE"))
            ordered << gnome;
        else if (desktop == QLatin1String("KDE"))
            ordered << kde;
        else if (desktop == QLatin1String("X-CINNAMON") || desktop == QLatin1String("CINNAMON"))
            ordered << cinnamon;
        else if (desktop == QLatin1String("MATE"))
            ordered << mate;
        else if (desktop == QLatin1String("LXQT"))
            ordered << pavucontrolQt;
    }
    for (const Program &program : {pavucontrol, pavucontrolQt, gnome, kde, cinnamon, mate}) {
        if (!ordered.contains(program))
            ordered << program;
    }
    return ordered;
}

bool open()
{
    const Starter start = starter() ? starter() : Starter(startInstalled);
    for (const Program &program : candidates(qEnvironmentVariable("XDG_CURRENT_DESKTOP"))) {
        if (start(program))
            return true;
    }
    return false;
}

void setStarterForTesting(Starter function)
{
    starter() = std::move(function);
}
}
