// The application as a program: a damaged installation is reported on one whole line, and
// the texts of the desktop window (microphone, recording, buttons) exist in every learner
// language.
#include "app/Localization.h"
#include "content/AppCommon.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>

TEST(WindowRunTest, ADamagedInstallationIsReportedOnOneWholeLine)
{
    const QString root = TestSupport::freshDirectory(QStringLiteral("damaged"));
    const QString category = root + QStringLiteral("/resources.bundle/1");
    ASSERT_TRUE(QDir().mkpath(category));
    QFile info(category + QStringLiteral("/pkgInfo"));
    ASSERT_TRUE(info.open(QIODevice::WriteOnly));
    info.write("{\"id\": 1, \"name\": ");
    info.close();

    QProcess program;
    program.start(QStringLiteral(PHRASEBOOK_BINARY_DIR "/bin/phrasebook"),
                  {QStringLiteral("--resources"), root, QStringLiteral("--screenshot"), root + QStringLiteral("/x.png")});
    ASSERT_TRUE(program.waitForFinished(60000));
    EXPECT_EQ(program.exitCode(), 1);
    const QString errors = QString::fromLocal8Bit(program.readAllStandardError());
    const qsizetype start = errors.indexOf(QStringLiteral("phrasebook: the installed content is damaged: "));
    ASSERT_GE(start, 0) << qPrintable(errors);
    const QString report = errors.mid(start);
    EXPECT_TRUE(report.endsWith(QLatin1Char('\n'))) << qPrintable(report);
    EXPECT_EQ(report.count(QLatin1Char('\n')), 1) << qPrintable(report);
    EXPECT_TRUE(report.contains(QStringLiteral("pkgInfo"))) << qPrintable(report);
}

TEST(WindowRunTest, EveryLearnerLanguageTranslatesTheNewTexts)
{
    const QList<QPair<const char *, const char *>> texts = {
        {"HoldToRecord", "No microphone was found."},
        {"HoldToRecord", "Tap and hold to speak."},
        {"PhraseCardVC", "Hold to record your voice"},
        {"ZQPlayerBox", "Faster"},
        {"MainViewController", "Settings"},
        {"ZQPopView", "Close"},
    };
    for (const QString &language : AppCommon::supportedLanguages()) {
        SCOPED_TRACE(language.toStdString());
        ASSERT_TRUE(Localization::install(language));
        for (const auto &[context, text] : texts) {
            const QString shown = QCoreApplication::translate(context, text);
            EXPECT_FALSE(shown.isEmpty()) << text;
            if (language != QLatin1String("en")) {
                EXPECT_NE(shown, QLatin1String(text)) << text;
            }
        }
    }
    Localization::install(QStringLiteral("en"));
}
