// Crash safety of recordings: a process recording into one file is killed (SIGKILL) at
// random moments, again and again; after each kill the file is either absent or a whole
// recording (every frame its header announces decodes), never a cut-off file that a later
// comparison would score.
#include "support/KillLoop.h"
#include "support/MediaTestSupport.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QScopeGuard>

#include <sndfile.h>

#include <cstdio>

namespace {
// True when the file opens as 16 kHz mono Apple Lossless and decodes to its announced end
// without an error.
bool wholeRecording(const QString &path, QString *why)
{
    SF_INFO info{};
    SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (!file) {
        *why = QStringLiteral("does not open: %1").arg(QString::fromUtf8(sf_strerror(nullptr)));
        return false;
    }
    std::vector<short> samples(size_t(std::max<sf_count_t>(info.frames, 1)));
    const sf_count_t got = sf_readf_short(file, samples.data(), info.frames);
    const int error = sf_error(file);
    sf_close(file);
    *why = QStringLiteral("%1 Hz, format %2, %3 of %4 frames decoded, error %5")
               .arg(info.samplerate).arg(info.format, 0, 16).arg(got).arg(info.frames).arg(error);
    return info.samplerate == 16000 && info.channels == 1
        && info.format == (SF_FORMAT_CAF | SF_FORMAT_ALAC_16) && info.frames > 0 && got == info.frames
        && error == SF_ERR_NO_ERROR;
}
}

TEST(RecordingKill, AKilledRecordingLeavesNoFileToScore)
{
    const QString folder = TestSupport::freshDirectory(QStringLiteral("record"));
    const QString microphone = TestSupport::freshDirectory(QStringLiteral("microphone")) + QStringLiteral("/tone.wav");
    ASSERT_TRUE(MediaTestSupport::writeSine(microphone, 2.0, 300.0, 16000, 0.5f));
    const QString target = folder + QStringLiteral("/101.caf");
    // The Apple Lossless encoder keeps a scratch file in TMPDIR while it writes; a killed
    // writer cannot remove it, so the children get a folder of their own.
    const QString scratch = TestSupport::freshDirectory(QStringLiteral("scratch"));
    const QByteArray previousTmp = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(scratch));
    const auto restoreTmp = qScopeGuard([&previousTmp] {
        if (previousTmp.isEmpty())
            qunsetenv("TMPDIR");
        else
            qputenv("TMPDIR", previousTmp);
    });
    constexpr int kKills = 200;
    int present = 0;
    qint64 takes = 0;
    QElapsedTimer elapsed;
    elapsed.start();
    for (int kill = 0; kill < kKills; ++kill) {
        ASSERT_LT(elapsed.elapsed(), 420000) << "only " << kill << " kills in seven minutes";
        const KillLoop::Run run = KillLoop::runAndKill(QStringLiteral(RECORDING_WRITER_CHILD), {target, microphone}, 250);
        ASSERT_TRUE(run.ready) << qPrintable(run.output);
        ASSERT_TRUE(run.killed) << "the recorder stopped on its own: " << qPrintable(run.output);
        takes += run.savesReported;
        if (!QFile::exists(target))
            continue;  // killed during a take: the take was never moved into place
        ++present;
        QString why;
        ASSERT_TRUE(wholeRecording(target, &why)) << "kill " << kill << ": " << qPrintable(why);
    }
    std::printf("%d kills in %lld ms: %d left a whole take, %lld takes kept in all\n", kKills,
                static_cast<long long>(elapsed.elapsed()), present, static_cast<long long>(takes));
    // The only visible file is the recording (the hidden take under way may remain).
    const QStringList visible = QDir(folder).entryList(QDir::Files | QDir::NoDotAndDotDot);
    EXPECT_LE(visible.size(), 1) << qPrintable(visible.join(QLatin1Char(' ')));
    // Both outcomes happened: kills between takes and kills inside one.
    EXPECT_GT(present, 0);
    EXPECT_LT(present, kKills);
    EXPECT_GT(takes, kKills / 4);
}
