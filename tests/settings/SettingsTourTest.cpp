// The application's --tour in Arabic on the tablet preset: the settings screen, its picker,
// the recordings confirmation, the share panel and the statistics screen, each a picture of
// its own, and the Arabic settings picture.
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QImage>

TEST(SettingsTourRun, SavesThePicturesOfTheSettingsScreens)
{
    const QString folder = TestSupport::freshDirectory(QStringLiteral("tour")) + QStringLiteral("/pictures");
    const QString program = QStringLiteral(PHRASEBOOK_BINARY_DIR "/bin/phrasebook");
    QString output;
    ASSERT_EQ(TestSupport::runProgram(program, {QStringLiteral("--tour"), folder, QStringLiteral("--language"),
                                                QStringLiteral("ar"), QStringLiteral("--device"), QStringLiteral("tablet")},
                                      &output, 180000),
              0)
        << qPrintable(output);
    QImage previous;
    for (const char *name : {"settings", "settings-picker", "settings-clear-confirm", "share", "stats"}) {
        const QImage picture(folder + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png"));
        EXPECT_EQ(picture.size(), QSize(768, 1024)) << name;
        EXPECT_NE(picture, previous) << name;
        previous = picture;
    }
    EXPECT_EQ(QImage(folder + QStringLiteral("/settings-ar.png")), QImage(folder + QStringLiteral("/settings.png")))
        << "the Arabic interface is the one shown";
}
