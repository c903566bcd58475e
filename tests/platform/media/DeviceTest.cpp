// Playback and recording on the real sound devices, on the system clock. They run where a
// sound server offers devices (a learner's desktop with PulseAudio or PipeWire) and are
// skipped elsewhere.
#include "platform/media/AudioPlayer.h"
#include "platform/media/AudioRecorder.h"
#include "platform/media/AudioSession.h"
#include "support/MediaTestSupport.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QAudioDevice>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <QSignalSpy>
#include <QTest>

using namespace MediaTestSupport;

TEST(SoundDevices, APlayerOnTheOutputDeviceEndsOnceInAboutItsDuration)
{
    if (QMediaDevices::defaultAudioOutput().isNull())
        GTEST_SKIP() << "no audio output device";
    const QString path = TestSupport::freshDirectory(QStringLiteral("device")) + QStringLiteral("/tone.wav");
    ASSERT_TRUE(writeSine(path, 0.4, 440.0, 44100, 0.1f));
    std::unique_ptr<AudioPlayer> player = AudioPlayer::create(path);
    ASSERT_NE(player, nullptr);
    QSignalSpy finished(player.get(), &AudioPlayer::didFinishPlaying);
    QElapsedTimer elapsed;
    elapsed.start();
    ASSERT_TRUE(player->play());
    EXPECT_FALSE(player->usesNullOutput());
    EXPECT_TRUE(finished.wait(5000));
    EXPECT_EQ(finished.size(), 1);
    EXPECT_GE(elapsed.elapsed(), 300);
    EXPECT_LT(elapsed.elapsed(), 2000);
}

TEST(SoundDevices, ARecordingFromTheInputDeviceIsKeptOnStop)
{
    if (QMediaDevices::defaultAudioInput().isNull())
        GTEST_SKIP() << "no audio input device";
    const QString path = TestSupport::freshDirectory(QStringLiteral("device")) + QStringLiteral("/take.caf");
    std::unique_ptr<AudioRecorder> recorder = AudioRecorder::create(path, AudioRecorderSettings());
    ASSERT_NE(recorder, nullptr);
    ASSERT_TRUE(recorder->record()) << qPrintable(recorder->lastError());
    QSignalSpy finished(recorder.get(), &AudioRecorder::didFinishRecording);
    QTest::qWait(500);
    recorder->stop();
    EXPECT_TRUE(finished.wait(2000));
    const Sound sound = readSound(path);
    ASSERT_TRUE(sound.ok);
    EXPECT_EQ(sound.sampleRate, 16000);
    EXPECT_GT(sound.seconds(), 0.2);
}
