// A sound server that starts after the program: playback and recording use it from then on,
// without a restart. Runs on the system clock against a private PulseAudio server (its own
// runtime folder, a null sink and a null source); without pulseaudio it is skipped, or fails
// when PHRASEBOOK_REQUIRE_TEST_TOOLS=1. Its own test program: the check needs a process in
// which nothing has asked Qt Multimedia for devices yet.
#include "platform/media/AudioDevices.h"
#include "platform/media/AudioPlayer.h"
#include "platform/media/AudioRecorder.h"
#include "platform/media/AudioSession.h"
#include "support/MediaTestSupport.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

namespace {
// The private server, stopped when the test ends however it ends.
class PrivateServer
{
public:
    explicit PrivateServer(const QString &runtime) : m_runtime(runtime) {}
    ~PrivateServer()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.terminate();
            if (!m_process.waitForFinished(5000))
                m_process.kill();
        }
    }
    bool start()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime);
        environment.insert(QStringLiteral("HOME"), m_runtime);
        m_process.setProcessEnvironment(environment);
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(QStringLiteral("pulseaudio"),
                        {QStringLiteral("-n"), QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"),
                         QStringLiteral("--use-pid-file=no"), QStringLiteral("--disable-shm"),
                         QStringLiteral("--log-level=error"),
                         QStringLiteral("-L"), QStringLiteral("module-native-protocol-unix auth-anonymous=1"),
                         QStringLiteral("-L"), QStringLiteral("module-null-sink sink_name=out"),
                         QStringLiteral("-L"), QStringLiteral("module-null-source source_name=mic")});
        if (!m_process.waitForStarted(5000))
            return false;
        QElapsedTimer waited;
        waited.start();
        while (!QFileInfo::exists(m_runtime + QStringLiteral("/pulse/native")) && waited.elapsed() < 10000)
            QTest::qWait(50);
        return QFileInfo::exists(m_runtime + QStringLiteral("/pulse/native"));
    }

private:
    QString m_runtime;
    QProcess m_process;
};
}

TEST(SoundServerRecovery, PlaybackAndRecordingWorkOnceTheServerAppears)
{
    PHRASEBOOK_REQUIRE_OR_SKIP(TestSupport::programAvailable(QStringLiteral("pulseaudio")), "pulseaudio");
    const QString runtime = TestSupport::freshDirectory(QStringLiteral("pulse"));
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
    qunsetenv("PULSE_SERVER");
    const QString tone = TestSupport::freshDirectory(QStringLiteral("tone")) + QStringLiteral("/tone.wav");
    ASSERT_TRUE(MediaTestSupport::writeSine(tone, 0.3, 440.0, 16000, 0.1f));

    // No server: a silent output, no microphone.
    EXPECT_EQ(AudioDevices::output(), AudioDevices::Availability::NoServer);
    EXPECT_EQ(AudioSession::sharedInstance().recordPermission(), AudioSession::RecordPermission::Denied);
    std::unique_ptr<AudioPlayer> silent = AudioPlayer::create(tone);
    ASSERT_NE(silent, nullptr);
    ASSERT_TRUE(silent->play());
    EXPECT_TRUE(silent->usesNullOutput());
    silent->stop();

    PrivateServer server(runtime);
    ASSERT_TRUE(server.start()) << "the private PulseAudio server did not start";
    QTest::qWait(1100);  // the server is looked for at most once a second

    EXPECT_EQ(AudioDevices::output(), AudioDevices::Availability::Available);
    EXPECT_EQ(AudioDevices::input(), AudioDevices::Availability::Available);
    std::unique_ptr<AudioPlayer> player = AudioPlayer::create(tone);
    ASSERT_NE(player, nullptr);
    QSignalSpy finished(player.get(), &AudioPlayer::didFinishPlaying);
    ASSERT_TRUE(player->play());
    EXPECT_FALSE(player->usesNullOutput());
    EXPECT_TRUE(finished.wait(5000));

    const QString take = TestSupport::freshDirectory(QStringLiteral("take")) + QStringLiteral("/take.caf");
    std::unique_ptr<AudioRecorder> recorder = AudioRecorder::create(take, AudioRecorderSettings());
    ASSERT_NE(recorder, nullptr);
    ASSERT_TRUE(recorder->record()) << qPrintable(recorder->lastError());
    QTest::qWait(500);
    recorder->stop();
    const MediaTestSupport::Sound sound = MediaTestSupport::readSound(take);
    ASSERT_TRUE(sound.ok);
    EXPECT_GT(sound.seconds(), 0.2);
}
