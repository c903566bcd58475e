// A sound server that starts after the program: playback and recording use it from then on,
// without a restart. Runs on the system clock against the tests' private PulseAudio server
// (support/PulseServer), started mid-test; without pulseaudio it is skipped, or fails
// when PHRASEBOOK_REQUIRE_TEST_TOOLS=1. Its own test program: the check needs a process in
// which nothing has asked Qt Multimedia for devices yet.
#include "platform/media/AudioDevices.h"
#include "platform/media/AudioPlayer.h"
#include "platform/media/AudioRecorder.h"
#include "platform/media/AudioSession.h"
#include "support/MediaTestSupport.h"
#include "support/PulseServer.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QSignalSpy>
#include <QTest>

TEST(SoundServerRecovery, PlaybackAndRecordingWorkOnceTheServerAppears)
{
    PHRASEBOOK_REQUIRE_OR_SKIP(PulseServer::available(), "pulseaudio or pulseaudio-utils");
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

    PulseServer server;  // points this process at itself (PULSE_SERVER) once it answers
    ASSERT_TRUE(server.start()) << qPrintable(server.error());
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
