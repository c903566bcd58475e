#include "SpeechFixture.h"
#include "speech/ZQCommandArray.h"
#include "speech/ZQPSRecognizer.h"
#include "speech/ZQTimer.h"
#include "platform/foundation/Clock.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QTimeZone>

#include <pocketsphinx.h>
#include <sphinxbase/err.h>

TEST(CommandArray, FourteenEntriesInOrder)
{
    const QStringList arguments = ZQCommandArray().commandArrayForlanguageModel(
        QStringLiteral("/lm/test.DMP"), QStringLiteral("/lm/test.dic"), QStringLiteral("/am"), false);
    EXPECT_EQ(arguments,
              (QStringList{"-lm", "/lm/test.DMP", "-beam", "1e-96", "-dict", "/lm/test.dic",
                           "-fwdflatbeam", "1e-128", "-hmm", "/am", "-lw", "6.500000",
                           "-samprate", "16000"}));

    const QStringList grammar = ZQCommandArray().commandArrayForlanguageModel(
        QStringLiteral("/g.gram"), QStringLiteral("/d.dic"), QStringLiteral("/am"), true);
    ASSERT_EQ(grammar.size(), 14);
    EXPECT_EQ(grammar[0], QStringLiteral("-jsgf"));
    EXPECT_EQ(grammar[11], QStringLiteral("3.000000"));
}

TEST(CommandArray, StopsAtTheFirstAbsentPath)
{
    const ZQCommandArray builder;
    EXPECT_EQ(builder.commandArrayForlanguageModel(QString(), "/d", "/am", false), QStringList{"-lm"});
    EXPECT_EQ(builder.commandArrayForlanguageModel("/lm", QString(), "/am", false),
              (QStringList{"-lm", "/lm", "-beam", "1e-96", "-dict"}));
    EXPECT_EQ(builder.commandArrayForlanguageModel("/lm", "/d", QString(), false).size(), 9);

    EXPECT_FALSE(ZQPSRecognizer::setUpCommandArray(builder, QString(), "/d", "/am", false));
    const auto setup = ZQPSRecognizer::setUpCommandArray(builder, "/lm", "/d", "/am", false);
    ASSERT_TRUE(setup);
    ASSERT_EQ(setup->argv.size(), 14u);
    EXPECT_STREQ(setup->argv[1], "/lm");
    EXPECT_STREQ(setup->argv[11], "6.500000");
    EXPECT_EQ(setup->cont_args_def, static_cast<const void *>(ps_args()));
}

TEST(CommandArray, DecoderParsesTheListWithoutAProgramName)
{
    auto setup = ZQPSRecognizer::setUpCommandArray(ZQCommandArray(), "/lm/test.DMP", "/lm/test.dic",
                                                         SpeechFixture::acousticModelPath(), false);
    ASSERT_TRUE(setup);
    err_set_logfp(nullptr);
    cmd_ln_t *config = cmd_ln_parse_r(nullptr, ps_args(), int32(setup->argv.size()),
                                      setup->argv.data(), FALSE);
    ASSERT_NE(config, nullptr);
    EXPECT_STREQ(cmd_ln_str_r(config, "-lm"), "/lm/test.DMP");
    EXPECT_STREQ(cmd_ln_str_r(config, "-dict"), "/lm/test.dic");
    EXPECT_FLOAT_EQ(cmd_ln_float32_r(config, "-lw"), 6.5f);
    EXPECT_DOUBLE_EQ(cmd_ln_float_r(config, "-beam"), 1e-96);
    cmd_ln_free_r(config);

    // Missing model files: no decoder, no crash.
    ZQPSRecognizer recognizer;
    EXPECT_FALSE(recognizer.initializeDecoder("/nonexistent.lm", "/nonexistent.dic",
                                              "/nonexistent-model", false));
}

TEST(Timer, ConsecutiveIntervalsAreReportedSeparately)
{
    ManualClock clock;
    clock.setSecondsSinceReferenceDate(100.0);
    Clock::setInstance(&clock);
    ZQTimer timer;
    EXPECT_EQ(timer.timeInterval_start(), 0.0);
    timer.startTimer();
    EXPECT_EQ(timer.timeInterval_start(), 100.0);
    clock.advance(250);
    EXPECT_DOUBLE_EQ(timer.getSpentTime(), 0.25);
    clock.advance(750);
    EXPECT_DOUBLE_EQ(timer.getSpentTime(), 0.75);  // not 1.0 since startTimer
    EXPECT_DOUBLE_EQ(timer.getSpentTime(), 0.0);
    Clock::setInstance(nullptr);

    // The system clock counts from 2001-01-01 00:00:00 UTC.
    const QDateTime reference(QDate(2001, 1, 1), QTime(0, 0), QTimeZone::utc());
    const double expected = double(reference.msecsTo(QDateTime::currentDateTimeUtc())) / 1000.0;
    EXPECT_NEAR(ZQTimer::currentTimeStamp(), expected, 5.0);
}
