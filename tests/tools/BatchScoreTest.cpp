#include "ScoreToolSupport.h"
#include "support/TestSupport.h"
#include "tools/score/BatchList.h"
#include "tools/score/BatchScorer.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <cstdio>

using namespace ScoreToolSupport;

namespace {
// Runs phrasebook-score; its standard output alone (progress and warnings go to the error
// stream).
QByteArray runTool(const QStringList &arguments, int *exitCode)
{
    QProcess process;
    process.start(QStringLiteral(PHRASEBOOK_SCORE_PROGRAM), arguments);
    if (!process.waitForFinished(300000) || process.exitStatus() != QProcess::NormalExit) {
        *exitCode = -1;
        return {};
    }
    *exitCode = process.exitCode();
    return process.readAllStandardOutput();
}

// Runs a BatchScorer with a stand-in worker (a shell script) and returns what it wrote.
QList<QJsonObject> scoreWith(const QList<BatchEntry> &entries, const QString &program, const QStringList &arguments,
                             int jobs, int *failed)
{
    FILE *out = std::tmpfile();
    BatchScorer::Options options;
    options.program = program;
    options.workerArguments = arguments;
    options.jobs = jobs;
    options.out = out;
    *failed = BatchScorer(entries, options).run();
    std::rewind(out);
    QByteArray bytes;
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, out)) > 0;)
        bytes.append(buffer, qsizetype(n));
    std::fclose(out);
    return jsonLines(bytes);
}

BatchEntry entry(int line, const QString &expected, const QString &error = {})
{
    return BatchEntry{line, expected, QStringLiteral("/dev/null"), error};
}
}

TEST(BatchList, KeepsEveryScoredLineInOrderWithItsProblem)
{
    const QString folder = TestSupport::freshDirectory("batchlist");
    QDir().mkpath(folder + "/audio");
    ASSERT_TRUE(writeFile(folder + "/audio/a.wav", "x"));
    ASSERT_TRUE(writeFile(folder + "/b.wav", "x"));
    const QString text = "# sentence<TAB>file\n"
                         "Good morning.\taudio/a.wav\r\n"
                         "\n"
                         "Hello!\t" + folder + "/b.wav\n"
                         "no tab here\n"
                         "a\tb\tc\n"
                         "\taudio/a.wav\n"
                         "Hi.\t  \n"
                         "Bye.\tmissing.wav\n"
                         "Folder.\taudio\n";
    const QList<BatchEntry> entries = BatchList::parse(text, folder);
    ASSERT_EQ(entries.size(), 8);
    EXPECT_EQ(entries[0].line, 2);
    EXPECT_EQ(entries[0].expected, "Good morning.");
    EXPECT_EQ(entries[0].audioPath, folder + "/audio/a.wav");  // relative to the list's folder
    EXPECT_TRUE(entries[0].error.isEmpty()) << entries[0].error.toStdString();
    EXPECT_EQ(entries[1].line, 4);
    EXPECT_EQ(entries[1].audioPath, folder + "/b.wav");
    EXPECT_TRUE(entries[1].error.isEmpty());
    EXPECT_EQ(entries[2].error, "line 5: no tab between the sentence and the audio path");
    EXPECT_EQ(entries[3].error, "line 6: 2 tabs; expected one, between the sentence and the audio path");
    EXPECT_EQ(entries[4].error, "line 7: the sentence is empty");
    EXPECT_EQ(entries[5].error, "line 8: the audio path is empty");
    EXPECT_EQ(entries[6].error, "the audio file " + folder + "/missing.wav does not exist");
    EXPECT_EQ(entries[7].error, "the audio path " + folder + "/audio is not a file");

    QList<BatchEntry> read;
    QString error;
    ASSERT_TRUE(writeFile(folder + "/latin1.tsv", "Caf\xE9.\ta.wav\n"));
    EXPECT_FALSE(BatchList::read(folder + "/latin1.tsv", &read, &error));
    EXPECT_EQ(error, "the list " + folder + "/latin1.tsv is not UTF-8 text");
    EXPECT_FALSE(BatchList::read(folder + "/none.tsv", &read, &error));
    EXPECT_TRUE(error.startsWith("cannot read the list " + folder + "/none.tsv")) << error.toStdString();
}

// The stand-in worker answers with the request's sentence as its hypothesis, after a
// delay that makes later lines finish first, and crashes on the sentence "crash".
TEST(BatchScorer, WritesInListOrderAndAWorkerCrashFailsOnlyItsLine)
{
    const QString script = QStringLiteral(
        "while IFS= read -r line; do\n"
        "  case \"$line\" in\n"
        "    *'\"crash\"'*) echo 'about to fail' >&2; kill -SEGV $$ ;;\n"
        "    *slow*) sleep 0.3; echo '{\"score\":50,\"hypothesis\":\"slow\"}' ;;\n"
        "    *) echo 'a library chatters'; echo '{\"score\":90,\"hypothesis\":\"fast\"}' ;;\n"
        "  esac\n"
        "done\n");
    const QList<BatchEntry> entries{entry(1, "slow"), entry(2, "fast"), entry(4, "bad", "line 4: no tab"),
                                    entry(5, "crash"), entry(6, "fast"), entry(7, "slow")};
    int failed = 0;
    const QList<QJsonObject> results = scoreWith(entries, "/bin/sh", {"-c", script}, 2, &failed);
    ASSERT_EQ(results.size(), 6);
    QList<int> lines;
    for (const QJsonObject &result : results)
        lines.append(result.value("line").toInt());
    EXPECT_EQ(lines, (QList<int>{1, 2, 4, 5, 6, 7}));
    EXPECT_EQ(results[0].value("hypothesis").toString(), "slow");
    EXPECT_EQ(results[1].value("score").toDouble(), 90.0);
    EXPECT_EQ(results[2].value("error").toString(), "line 4: no tab");
    const QString crash = results[3].value("error").toString();
    EXPECT_TRUE(crash.startsWith("the scoring process crashed on this recording")) << crash.toStdString();
    EXPECT_TRUE(crash.contains("about to fail")) << crash.toStdString();
    EXPECT_EQ(results[4].value("hypothesis").toString(), "fast");
    EXPECT_EQ(results[5].value("hypothesis").toString(), "slow");
    EXPECT_EQ(failed, 2);
}

TEST(BatchScorer, AWorkerThatCannotStartFailsEveryLine)
{
    int failed = 0;
    const QList<QJsonObject> results =
        scoreWith({entry(1, "a"), entry(2, "b"), entry(3, "c")}, "/nonexistent/worker", {}, 2, &failed);
    ASSERT_EQ(results.size(), 3);
    for (const QJsonObject &result : results)
        EXPECT_TRUE(result.value("error").toString().startsWith("the scoring process /nonexistent/worker could not be started"))
            << result.value("error").toString().toStdString();
    EXPECT_EQ(failed, 3);
}

TEST(BatchScore, ScoresAListOnTwoProcessesAsTheSingleFileModeDoes)
{
    PHRASEBOOK_REQUIRE_OR_SKIP(TestSupport::programAvailable("flite"), "flite");
    PHRASEBOOK_REQUIRE_OR_SKIP(TestSupport::programAvailable("sox"), "sox");
    const QString folder = TestSupport::freshDirectory("batch");
    const QString station = synthesize(folder, "station", "Where is the train station?");
    const QString doctor = synthesize(folder, "doctor", "I need a doctor.");
    ASSERT_FALSE(station.isEmpty() || doctor.isEmpty()) << "flite or sox could not make the test speech";
    ASSERT_TRUE(writeFile(folder + "/junk.wav", "RIFF this is not audio"));
    ASSERT_TRUE(writeFile(folder + "/corpus.txt", "How much does this cost?\nI need a doctor.\n"));
    ASSERT_TRUE(writeFile(folder + "/list.tsv", "Where is the train station?\tstation.wav\n"
                                    "I need a doctor.\t" + doctor.toUtf8() + "\n"
                                    "a line without a tab\n"
                                    "Hello.\tjunk.wav\n"
                                    "Where is the train station?\tdoctor.wav\n"));
    int exitCode = -1;
    const QList<QJsonObject> results =
        jsonLines(runTool({"--batch", folder + "/list.tsv", "--jobs", "2", "--corpus", folder + "/corpus.txt"}, &exitCode));
    EXPECT_EQ(exitCode, 1);  // some lines failed, every line written
    ASSERT_EQ(results.size(), 5);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(results[i].value("line").toInt(), i + 1);
    EXPECT_GT(results[0].value("score").toDouble(), 80.0);
    EXPECT_EQ(results[0].value("hypothesis").toString(), "WHERE IS THE TRAIN STATION");
    EXPECT_GT(results[1].value("score").toDouble(), 80.0);
    EXPECT_EQ(results[2].value("error").toString(), "line 3: no tab between the sentence and the audio path");
    EXPECT_TRUE(results[3].value("error").toString().contains("junk.wav cannot be read"))
        << results[3].value("error").toString().toStdString();
    EXPECT_LT(results[4].value("score").toDouble(), results[0].value("score").toDouble() - 30.0);

    // Each object is the one the single-file mode prints, plus its line.
    const QJsonObject single = QJsonDocument::fromJson(runTool({"--corpus", folder + "/corpus.txt", "I need a doctor.", doctor}, &exitCode)).object();
    ASSERT_EQ(exitCode, 0);
    for (const char *key : {"score", "hypothesis", "advice", "words", "frames"})
        EXPECT_EQ(results[1].value(key), single.value(key)) << key;

    // Only scored lines: exit 0.
    ASSERT_TRUE(writeFile(folder + "/good.tsv", "I need a doctor.\tdoctor.wav\n"));
    EXPECT_EQ(jsonLines(runTool({"--batch", folder + "/good.tsv", "--jobs", "1"}, &exitCode)).size(), 1);
    EXPECT_EQ(exitCode, 0);
}

TEST(BatchScore, WrongBatchArgumentsExitTwo)
{
    const QString folder = TestSupport::freshDirectory("batchargs");
    ASSERT_TRUE(writeFile(folder + "/list.tsv", "Hello.\thello.wav\n"));
    ASSERT_TRUE(writeFile(folder + "/empty.tsv", "# nothing\n\n"));
    int exitCode = -1;
    for (const QStringList &arguments :
         {QStringList{"--batch", folder + "/list.tsv", "--jobs", "0"},
          QStringList{"--batch", folder + "/list.tsv", "--jobs", "many"},
          QStringList{"--batch", folder + "/list.tsv", "--model-dir", folder},
          QStringList{"--batch", folder + "/list.tsv", "Hello.", "hello.wav"},
          QStringList{"--batch", folder + "/missing.tsv"},
          QStringList{"--batch", folder + "/empty.tsv"},
          QStringList{"--jobs", "2", "Hello.", folder + "/hello.wav"}}) {
        const QByteArray out = runTool(arguments, &exitCode);
        EXPECT_EQ(exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(out.isEmpty()) << arguments.join(' ').toStdString();
    }
}
