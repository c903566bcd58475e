// The command line, the translations, and the application run as a program.
#include "content/AppCommon.h"
#include "AppFixture.h"
#include "app/CommandLine.h"
#include "app/Localization.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QProcess>

namespace {
CommandLine parse(const QStringList &arguments)
{
    return CommandLine::parse(QStringList{QStringLiteral("phrasebook")} + arguments);
}

QString program() { return QStringLiteral(PHRASEBOOK_BINARY_DIR "/bin/phrasebook"); }

int run(const QStringList &arguments, QString *output, const QStringList &environment = {})
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), TestSupport::freshDirectory(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_DATA_HOME"), TestSupport::freshDirectory(QStringLiteral("data")));
    env.insert(QStringLiteral("XDG_CACHE_HOME"), TestSupport::freshDirectory(QStringLiteral("cache")));
    for (const QString &entry : environment)
        env.insert(entry.section(QLatin1Char('='), 0, 0), entry.section(QLatin1Char('='), 1));
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program(), arguments);
    if (!process.waitForStarted(10000))
        return -1;
    process.waitForFinished(60000);
    *output = QString::fromUtf8(process.readAll());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

QString fixtureRoot(int categories)
{
    const QString root = TestSupport::freshDirectory(QStringLiteral("root"));
    AppFixture::writeBundle(root, categories);
    return root;
}
}

TEST(CommandLineTest, ParsesTheOptions)
{
    CommandLine good = parse({"--device", "notch", "--resources", "/tmp/r", "--language", "zh-Hant", "--screenshot",
                              "out.png"});
    EXPECT_TRUE(good.error.isEmpty()) << good.error.toStdString();
    EXPECT_EQ(good.device.name, QStringLiteral("notch"));
    EXPECT_EQ(good.resourcesDirectory, QStringLiteral("/tmp/r"));
    EXPECT_EQ(good.language, QStringLiteral("zh-Hant"));
    EXPECT_EQ(good.screenshotPath, QStringLiteral("out.png"));
    EXPECT_FALSE(good.help);
    EXPECT_EQ(parse({}).device.name, QStringLiteral("phone"));
    EXPECT_TRUE(parse({"--help"}).help);
    EXPECT_TRUE(parse({"-h"}).help);

    EXPECT_TRUE(parse({"--device", "watch"}).error.contains(QStringLiteral("watch")));
    EXPECT_TRUE(parse({"--language", "xx"}).error.contains(QStringLiteral("xx")));
    EXPECT_TRUE(parse({"--bogus"}).error.contains(QStringLiteral("bogus")));
    EXPECT_TRUE(parse({"extra"}).error.contains(QStringLiteral("extra")));
    EXPECT_FALSE(parse({"--device"}).error.isEmpty()) << "a missing value";
    EXPECT_TRUE(CommandLine::helpText().contains(QStringLiteral("--screenshot")));
}

TEST(LocalizationTest, EveryLearnerLanguageTranslatesTheScreens)
{
    EXPECT_EQ(Localization::qtLocaleName(QStringLiteral("zh-Hans")), QStringLiteral("zh_Hans"));
    const QStringList keys{"Categorized Phrases"};
    for (const QString &language : AppCommon::supportedLanguages()) {
        SCOPED_TRACE(language.toStdString());
        ASSERT_TRUE(Localization::install(language));
        const QString title = QCoreApplication::translate("MainViewController", "Categorized Phrases");
        const QString rate = QCoreApplication::translate("RatingPrompt", "Rate It Now");
        const QString feedback = QCoreApplication::translate("SettingViewController", "Word Feedback");
        const QString unclear = QCoreApplication::translate("WordStripView", "/%1/ is unclear");
        EXPECT_FALSE(title.isEmpty());
        EXPECT_TRUE(unclear.contains(QStringLiteral("/%1/"))) << "the sound keeps its place holder";
        if (language == QLatin1String("en")) {
            EXPECT_EQ(title, QStringLiteral("Categorized Phrases"));
        } else {
            EXPECT_NE(title, QStringLiteral("Categorized Phrases"));
            EXPECT_NE(rate, QStringLiteral("Rate It Now"));
            EXPECT_NE(feedback, QStringLiteral("Word Feedback"));
            EXPECT_NE(unclear, QStringLiteral("/%1/ is unclear"));
        }
    }
    ASSERT_TRUE(Localization::install(QStringLiteral("fr")));
    EXPECT_EQ(QCoreApplication::translate("MainViewController", "Categorized Phrases"), QStringLiteral("Phrases par thème"));
    EXPECT_FALSE(Localization::install(QStringLiteral("xx")));
    EXPECT_EQ(QCoreApplication::translate("MainViewController", "Categorized Phrases"),
              QStringLiteral("Categorized Phrases")) << "the previous translation is removed";
}

TEST(ApplicationRunTest, HelpAndWrongArguments)
{
    QString output;
    EXPECT_EQ(run({"--help"}, &output), 0);
    EXPECT_TRUE(output.contains(QStringLiteral("--device"))) << output.toStdString();
    EXPECT_EQ(run({"--device", "watch"}, &output), 2);
    EXPECT_TRUE(output.contains(QStringLiteral("Unknown device 'watch'"))) << output.toStdString();
    EXPECT_EQ(run({"--frobnicate"}, &output), 2);
}

TEST(ApplicationRunTest, ScreenshotOfTheMainScreen)
{
    const QString root = fixtureRoot(4);
    const QString picture = TestSupport::freshDirectory(QStringLiteral("shot")) + QStringLiteral("/main.png");
    QString output;
    ASSERT_EQ(run({"--device", "se", "--resources", root, "--screenshot", picture}, &output), 0) << output.toStdString();
    QImage image(picture);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(320, 568));
    EXPECT_EQ(image.pixelColor(160, 5), QColor(39, 64, 139)) << "the status band";
    // The first tile's cover (hue 40) at its centre.
    const qreal m = 320.0 / 18.0;
    const qreal w = (320.0 - 3 * m) / 2.0;
    const QColor cover = image.pixelColor(int(m + w / 2), int(64 + m + 4 + w * 20.0 / 27.0 / 2));
    EXPECT_NEAR(cover.hsvHue(), 40, 4);

    const QString tablet = TestSupport::freshDirectory(QStringLiteral("shot")) + QStringLiteral("/tablet.png");
    ASSERT_EQ(run({"--device", "tablet", "--resources", root, "--screenshot", tablet}, &output), 0);
    EXPECT_EQ(QImage(tablet).size(), QSize(768, 1024));
    // A screenshot that cannot be written is an error.
    EXPECT_EQ(run({"--resources", root, "--screenshot", "/nonexistent-folder/x.png"}, &output), 1);
    EXPECT_TRUE(output.contains(QStringLiteral("cannot write"))) << output.toStdString();
}

TEST(ApplicationRunTest, BrokenContentExitsWithAMessageNamingTheFile)
{
    const QString root = fixtureRoot(2);
    const QString pkgInfo = root + QStringLiteral("/resources.bundle/2/pkgInfo");
    QFile file(pkgInfo);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("{\"id\": 2,");
    file.close();
    QString output;
    EXPECT_EQ(run({"--resources", root}, &output), 1);
    EXPECT_TRUE(output.contains(pkgInfo)) << output.toStdString();

    const QString missing = fixtureRoot(2);
    QFile::remove(missing + QStringLiteral("/resources.bundle/1/phrasesInfo"));
    EXPECT_EQ(run({"--resources", missing, "--screenshot", missing + "/x.png"}, &output), 1);
    EXPECT_TRUE(output.contains(QStringLiteral("phrasesInfo"))) << output.toStdString();
    EXPECT_FALSE(QFile::exists(missing + "/x.png"));

    EXPECT_EQ(run({"--resources", TestSupport::freshDirectory(QStringLiteral("empty"))}, &output), 1);
}

TEST(ApplicationRunTest, AnExtraCatalogueJoinsTheBuiltInOneAndItsBrokenPartsAreLeftOut)
{
    const QString root = fixtureRoot(2);
    const QString extra = TestSupport::freshDirectory(QStringLiteral("extra"));
    AppFixture::writeCategory(extra, 900001, QStringLiteral("Class 3B"), QColor::fromHsv(200, 200, 200));
    AppFixture::writeCategory(extra, 2, QStringLiteral("Clash"), QColor::fromHsv(300, 200, 200));

    // A folder of category folders is an extra catalogue; a second resource root is an error.
    const CommandLine both = parse({"--resources", root, "--resources", extra});
    EXPECT_TRUE(both.error.isEmpty()) << both.error.toStdString();
    EXPECT_EQ(both.resourcesDirectory, root);
    EXPECT_EQ(both.extraCatalogues, QStringList{extra});
    EXPECT_TRUE(parse({"--resources", root, "--resources", fixtureRoot(1)}).error.contains("both resource folders"));

    const QString picture = TestSupport::freshDirectory(QStringLiteral("shot")) + QStringLiteral("/main.png");
    QString output;
    ASSERT_EQ(run({"--resources", root, "--resources", extra, "--screenshot", picture}, &output), 0)
        << output.toStdString();
    EXPECT_TRUE(output.contains(QStringLiteral("its id 2 is already used by the category"))) << output.toStdString();
    EXPECT_FALSE(QImage(picture).isNull());
}

TEST(ApplicationRunTest, LaunchProbeReportsTheFirstPaint)
{
    QString output;
    ASSERT_EQ(run({"--resources", fixtureRoot(2)}, &output, {"PHRASEBOOK_LAUNCH_PROBE=1"}), 0) << output.toStdString();
    EXPECT_TRUE(output.contains(QStringLiteral("first-paint "))) << output.toStdString();
}
