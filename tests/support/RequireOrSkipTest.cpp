// The skip-or-fail rule for missing test tools: the decision on the variable's value, and
// the macro's effect on a real test run (a child gtest program, run with and without the
// variable), so a macro that never fails or never stops the test is caught.
#include "support/TestSupport.h"

#include <QProcess>
#include <QProcessEnvironment>

namespace {
struct ProbeRun
{
    int exitCode = -1;
    QString output;
};

// Runs the probe program with PHRASEBOOK_REQUIRE_TEST_TOOLS set to `value`, or unset when null.
ProbeRun runProbe(const QByteArray &value)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("PHRASEBOOK_REQUIRE_TEST_TOOLS"));
    if (!value.isNull())
        environment.insert(QStringLiteral("PHRASEBOOK_REQUIRE_TEST_TOOLS"), QString::fromLatin1(value));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral(REQUIRE_OR_SKIP_PROBE), {});
    ProbeRun run;
    if (!process.waitForStarted(10000) || !process.waitForFinished(60000))
        return run;
    run.output = QString::fromUtf8(process.readAll());
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return run;
}
}

TEST(RequireOrSkip, OnlyTheValueOneRequiresTheTools)
{
    EXPECT_TRUE(TestSupport::testToolsRequired(QByteArray("1")));
    EXPECT_FALSE(TestSupport::testToolsRequired(QByteArray()));
    EXPECT_FALSE(TestSupport::testToolsRequired(QByteArray("")));
    EXPECT_FALSE(TestSupport::testToolsRequired(QByteArray("0")));
    EXPECT_FALSE(TestSupport::testToolsRequired(QByteArray("yes")));
}

TEST(RequireOrSkip, WithoutTheVariableAMissingToolSkipsAndStopsTheTest)
{
    for (const QByteArray &value : {QByteArray(), QByteArray("0")}) {
        SCOPED_TRACE(value.isNull() ? "unset" : value.constData());
        const ProbeRun run = runProbe(value);
        EXPECT_EQ(run.exitCode, 0) << qPrintable(run.output);
        EXPECT_TRUE(run.output.contains(QStringLiteral("[  SKIPPED ] RequireOrSkipProbe.MissingTool")))
            << qPrintable(run.output);
        EXPECT_TRUE(run.output.contains(QStringLiteral("missing the probe's tool"))) << qPrintable(run.output);
        EXPECT_FALSE(run.output.contains(QStringLiteral("missing-tool body ran"))) << qPrintable(run.output);
        EXPECT_TRUE(run.output.contains(QStringLiteral("present-tool body ran"))) << qPrintable(run.output);
    }
}

TEST(RequireOrSkip, WithTheVariableAMissingToolFailsAndStopsTheTest)
{
    const ProbeRun run = runProbe("1");
    EXPECT_NE(run.exitCode, 0) << qPrintable(run.output);
    EXPECT_TRUE(run.output.contains(QStringLiteral("[  FAILED  ] RequireOrSkipProbe.MissingTool")))
        << qPrintable(run.output);
    EXPECT_FALSE(run.output.contains(QStringLiteral("SKIPPED"))) << qPrintable(run.output);
    EXPECT_TRUE(run.output.contains(QStringLiteral("missing the probe's tool"))) << qPrintable(run.output);
    EXPECT_FALSE(run.output.contains(QStringLiteral("missing-tool body ran"))) << qPrintable(run.output);
    // A present tool neither skips nor fails.
    EXPECT_TRUE(run.output.contains(QStringLiteral("[       OK ] RequireOrSkipProbe.PresentTool")))
        << qPrintable(run.output);
    EXPECT_TRUE(run.output.contains(QStringLiteral("present-tool body ran"))) << qPrintable(run.output);
}
