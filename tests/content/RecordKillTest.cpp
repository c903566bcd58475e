// Crash safety of the learner record: a process saving the record is killed (SIGKILL) at
// random moments, again and again; after each kill the record must decrypt, parse and hold
// every counter, never less than the last value the process had reported as saved.
#include "content/AppCommon.h"
#include "content/PropertyList.h"
#include "content/ZQCryptor.h"
#include "support/KillLoop.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <cstdio>
#include <optional>

namespace {
// The counters of the record file, read as a later launch would (no repair); empty when it
// does not decrypt or parse, or a counter is missing.
std::optional<QList<qint64>> readCounters(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QString plain = ZQCryptor::decryptWithDES(QString::fromUtf8(file.readAll()), ZQCryptor::recordKey);
    const auto record = PropertyList::parseDictionary(plain.toUtf8());
    if (!record)
        return std::nullopt;
    QList<qint64> counters;
    for (const QString &key : AppCommon::userInfoKeys()) {
        if (record->value(key).typeId() != QMetaType::LongLong)
            return std::nullopt;
        counters.append(record->value(key).toLongLong());
    }
    return counters;
}

// Files beside the record other than the record itself.
QStringList scratchFiles(const QString &documents)
{
    QStringList names = QDir(documents).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    names.removeAll(QStringLiteral("userInfo.plist"));
    return names;
}
}

TEST(LearnerRecordKill, SurvivesTwoHundredKillsWithoutLosingASavedCount)
{
    const QString documents = TestSupport::freshDirectory(QStringLiteral("killed"));
    const QString path = documents + QStringLiteral("/userInfo.plist");
    constexpr int kKills = 200;
    qint64 known = 0;  // the last value a killed writer reported as saved
    int killedMidRun = 0;
    QElapsedTimer elapsed;
    elapsed.start();
    for (int kill = 0; kill < kKills; ++kill) {
        ASSERT_LT(elapsed.elapsed(), 420000) << "only " << kill << " kills in seven minutes";
        const KillLoop::Run run = KillLoop::runAndKill(QStringLiteral(RECORD_WRITER_CHILD), {documents}, 25);
        ASSERT_TRUE(run.ready) << qPrintable(run.output);
        ASSERT_TRUE(run.killed) << "the writer stopped on its own: " << qPrintable(run.output);
        killedMidRun += run.savesReported > 0 ? 1 : 0;
        known = std::max(known, run.lastSaved);
        if (known == 0 && !QFile::exists(path))
            continue;  // killed before its first save
        const auto counters = readCounters(path);
        ASSERT_TRUE(counters.has_value()) << "kill " << kill << ": the record is damaged";
        // Each save writes every counter with the same value: a mix would be a torn write.
        for (const qint64 value : *counters)
            ASSERT_EQ(value, counters->front()) << "kill " << kill;
        // At most the one save under way when the kill came is beyond the last report.
        ASSERT_GE(counters->front(), known) << "kill " << kill << ": a saved count was lost";
        ASSERT_LE(counters->front(), known + 1) << "kill " << kill;
        known = counters->front();
        // A kill may leave the new file of the save it cut off; the next start removes it.
        ASSERT_LE(scratchFiles(documents).size(), 1) << "kill " << kill;
    }
    std::printf("%d kills in %lld ms, %d during a run of saves, last count %lld\n", kKills,
                static_cast<long long>(elapsed.elapsed()), killedMidRun, static_cast<long long>(known));
    // Nothing was kept aside as damaged, and once the record is opened again no scratch
    // file of an interrupted save stays.
    ASSERT_EQ(TestSupport::runProgram(QStringLiteral(RECORD_WRITER_CHILD), {documents, QStringLiteral("--open")}), 0);
    EXPECT_EQ(QDir(documents).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("userInfo.plist")});
    // Every writer saved at least once before its kill.
    EXPECT_GE(known, kKills);
    EXPECT_EQ(killedMidRun, kKills);
}
