#include "ScoreToolSupport.h"
#include "support/MediaTestSupport.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using ScoreToolSupport::synthesize;

namespace {
const QString kProgram = QStringLiteral(PHRASEBOOK_SCORE_PROGRAM);

QJsonObject runTool(const QStringList &arguments, int *exitCode)
{
    QString out;
    *exitCode = TestSupport::runProgram(kProgram, arguments, &out);
    // Qt may print platform warnings before the JSON; the object starts at the first brace.
    const qsizetype start = out.indexOf('{');
    return start < 0 ? QJsonObject() : QJsonDocument::fromJson(out.mid(start).toUtf8()).object();
}
}

TEST(ScoreTool, ScoresTheRightSentenceFarAboveAnotherSentence)
{
    PHRASEBOOK_REQUIRE_OR_SKIP(TestSupport::programAvailable("flite"), "flite");
    PHRASEBOOK_REQUIRE_OR_SKIP(TestSupport::programAvailable("sox"), "sox");
    const QString folder = TestSupport::freshDirectory("score");
    const QString station = synthesize(folder, "station", "Where is the train station?");
    ASSERT_FALSE(station.isEmpty()) << "flite or sox could not make the test speech";
    const QString corpus = folder + "/corpus.txt";
    {
        QFile file(corpus);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("How much does this cost?\nI need a doctor.\n");
    }
    // A model folder that does not exist yet is created.
    const QString models = folder + "/models/kept";

    int exitCode = -1;
    const QJsonObject right = runTool({"--corpus", corpus, "--model-dir", models,
                                       "Where is the train station?", station}, &exitCode);
    ASSERT_EQ(exitCode, 0);
    EXPECT_GT(right.value("score").toDouble(), 80.0);
    EXPECT_EQ(right.value("hypothesis").toString(), "WHERE IS THE TRAIN STATION");
    EXPECT_GT(right.value("frames").toInt(), 100);
    // Every word has its place in the audio, in order.
    const QJsonArray words = right.value("words").toArray();
    ASSERT_GE(words.size(), 5);
    qint64 previousStart = 0;
    for (const QJsonValue &value : words) {
        const QJsonObject word = value.toObject();
        ASSERT_TRUE(word.contains("startMs") && word.contains("endMs")) << word.value("word").toString().toStdString();
        EXPECT_GE(word.value("startMs").toInteger(), previousStart);
        EXPECT_LE(word.value("startMs").toInteger(), word.value("endMs").toInteger());
        previousStart = word.value("startMs").toInteger();
    }
    EXPECT_TRUE(right.value("advice").toObject().contains("words_score"));
    for (const char *stage : {"generation", "decode", "recognition", "scoring"})
        EXPECT_TRUE(right.value("timingsMs").toObject().contains(stage)) << stage;
    for (const char *file : {"/test.arpa", "/test.DMP", "/test.dic"})
        EXPECT_TRUE(QFile::exists(models + file)) << file;

    // The assessment: every expected word in order, in the audio, with its sounds.
    const QJsonObject assessment = right.value("assessment").toObject();
    EXPECT_GT(assessment.value("accuracy").toDouble(), 50.0);
    const QJsonArray assessed = assessment.value("words").toArray();
    QStringList assessedWords;
    qint64 previousEnd = 0;
    for (const QJsonValue &value : assessed) {
        const QJsonObject word = value.toObject();
        assessedWords.append(word.value("word").toString());
        EXPECT_GE(word.value("startMs").toInteger(), previousEnd);
        EXPECT_GT(word.value("endMs").toInteger(), word.value("startMs").toInteger());
        EXPECT_TRUE(word.value("accuracy").isDouble());
        EXPECT_EQ(word.value("omitted"), QJsonValue(false));
        EXPECT_EQ(word.value("marked"), QJsonValue(false));
        const QJsonArray phones = word.value("phones").toArray();
        ASSERT_FALSE(phones.isEmpty());
        for (const QJsonValue &phone : phones) {
            const QJsonObject sound = phone.toObject();
            EXPECT_FALSE(sound.value("phone").toString().isEmpty());
            EXPECT_FALSE(sound.value("ipa").toString().isEmpty());
            EXPECT_TRUE(sound.value("score").isDouble());
            EXPECT_TRUE(sound.contains("heard"));
        }
        previousEnd = word.value("endMs").toInteger();
    }
    EXPECT_EQ(assessedWords, QStringList({"where", "is", "the", "train", "station"}));

    // The same reading judged against another sentence of the corpus scores far lower.
    const QJsonObject wrong = runTool({"--corpus", corpus, "How much does this cost?", station}, &exitCode);
    ASSERT_EQ(exitCode, 0);
    EXPECT_LT(wrong.value("score").toDouble(), right.value("score").toDouble() - 40.0);
}

TEST(ScoreTool, UnreadableAudioExitsOneWithTheErrorInTheJson)
{
    const QString folder = TestSupport::freshDirectory("score");
    QFile junk(folder + "/junk.wav");
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("RIFF this is not audio");
    junk.close();
    int exitCode = -1;
    const QJsonObject failed = runTool({"Hello.", junk.fileName()}, &exitCode);
    EXPECT_EQ(exitCode, 1);
    EXPECT_TRUE(failed.value("error").toString().contains("junk.wav")) << failed.value("error").toString().toStdString();
}

TEST(ScoreTool, WrongArgumentsExitTwo)
{
    const QString folder = TestSupport::freshDirectory("score");
    const QString audio = folder + "/tone.wav";
    ASSERT_TRUE(MediaTestSupport::writeSine(audio, 1.0, 440.0, 16000));
    int exitCode = -1;
    runTool({"only one argument"}, &exitCode);
    EXPECT_EQ(exitCode, 2);
    runTool({"--corpus", folder + "/missing.txt", "Hello.", audio}, &exitCode);
    EXPECT_EQ(exitCode, 2);
    runTool({"--bogus", "Hello.", audio}, &exitCode);
    EXPECT_EQ(exitCode, 2);
    runTool({"--model-dir", audio, "Hello.", audio}, &exitCode);  // a file, not a folder
    EXPECT_EQ(exitCode, 2);
}
