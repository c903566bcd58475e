// Which sound-settings program "Open Settings" starts: the running desktop's own page first,
// then the usual volume controls, each tried once, the first that starts wins.
#include "platform/foundation/SoundSettings.h"

#include <gtest/gtest.h>

namespace {
QStringList executables(const QList<SoundSettings::Program> &programs)
{
    QStringList names;
    for (const SoundSettings::Program &program : programs)
        names << program.executable;
    return names;
}
}

TEST(SoundSettingsTest, TheDesktopsOwnSettingsComeFirstAndNothingTwice)
{
    QStringList plain = executables(SoundSettings::candidates(QString()));
    EXPECT_EQ(plain.first(), QStringLiteral("pavucontrol"));
    EXPECT_EQ(plain.removeDuplicates(), 0);
    EXPECT_EQ(executables(SoundSettings::candidates(QStringLiteral("KDE"))).first(), QStringLiteral("systemsettings"));
    EXPECT_EQ(SoundSettings::candidates(QStringLiteral("KDE")).first().arguments, QStringList{"kcm_pulseaudio"});
    EXPECT_EQ(executables(SoundSettings::candidates(QStringLiteral("ubuntu:GNOME"))).first(),
              QStringLiteral("gnome-control-center"));
    EXPECT_EQ(executables(SoundSettings::candidates(QStringLiteral("X-Cinnamon"))).first(),
              QStringLiteral("cinnamon-settings"));
    EXPECT_EQ(SoundSettings::candidates(QStringLiteral("KDE")).size(), SoundSettings::candidates(QString()).size());
}

TEST(SoundSettingsTest, OpenStopsAtTheFirstProgramThatStarts)
{
    QStringList tried;
    SoundSettings::setStarterForTesting([&tried](const SoundSettings::Program &program) {
        tried << program.executable;
        return program.executable == QLatin1String("pavucontrol-qt");
    });
    qputenv("XDG_CURRENT_DESKTOP", "XFCE");
    EXPECT_TRUE(SoundSettings::open());
    EXPECT_EQ(tried, QStringList({"pavucontrol", "pavucontrol-qt"}));

    SoundSettings::setStarterForTesting([](const SoundSettings::Program &) { return false; });
    EXPECT_FALSE(SoundSettings::open());
    SoundSettings::setStarterForTesting({});
    qunsetenv("XDG_CURRENT_DESKTOP");
}
