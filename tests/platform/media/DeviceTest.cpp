// Playback and recording on real sound devices, through the process's private PulseAudio
// server: what the player sends reaches the speaker at its rate and length, the recorder
// records what the microphone hears, and a server that vanishes mid-play or mid-record
// leaves the program responsive with a clean result.
#include "platform/media/AudioPlayer.h"
#include "platform/media/AudioRecorder.h"
#include "platform/media/AudioSession.h"
#include "support/SoundServerFixture.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <sndfile.h>

#include <cmath>

using namespace MediaTestSupport;

namespace {
class SoundDevices : public SoundServerFixture
{
protected:
    // Plays `tone` at `rate` (1: rate control off) while the speaker's monitor is recorded;
    // the monitor recording.
    Sound playAndListen(const QString &tone, float rate)
    {
        const QString heard = folder + QStringLiteral("/heard.wav");
        std::unique_ptr<AudioPlayer> player = AudioPlayer::create(tone);
        EXPECT_NE(player, nullptr);
        if (!player)
            return {};
        if (rate != 1.0f) {
            player->setEnableRate(true);
            player->setRate(rate);
        }
        QSignalSpy finished(player.get(), &AudioPlayer::didFinishPlaying);
        EXPECT_TRUE(server().startMonitorRecording(heard));
        QTest::qWait(300);
        EXPECT_TRUE(player->play());
        EXPECT_FALSE(player->usesNullOutput());
        EXPECT_TRUE(finished.wait(15000));
        EXPECT_EQ(finished.size(), 1);
        EXPECT_TRUE(finished.size() == 1 && finished.front().at(1).toBool());
        QTest::qWait(300);
        server().stopMonitorRecording();
        return readSound(heard);
    }

    // Counts the event loop's turns: the largest gap between two 10 ms ticks tells whether
    // the program stayed responsive.
    struct Heartbeat
    {
        QTimer timer;
        QElapsedTimer clock;
        qint64 last = 0;
        qint64 largestGapMs = 0;
        Heartbeat()
        {
            clock.start();
            QObject::connect(&timer, &QTimer::timeout, [this] {
                largestGapMs = std::max(largestGapMs, clock.elapsed() - last);
                last = clock.elapsed();
            });
            timer.start(10);
        }
    };
};
}

TEST_F(SoundDevices, ThePlayerReachesTheSpeakerWithItsLengthAndLevel)
{
    const QString tone = folder + QStringLiteral("/tone.wav");
    ASSERT_TRUE(writeSine(tone, 1.0, 440.0, 44100, 0.5f));
    const Sound heard = playAndListen(tone, 1.0f);
    ASSERT_TRUE(heard.ok);
    ASSERT_EQ(heard.sampleRate, 48000);
    const Span span = audibleSpan(heard);
    ASSERT_GE(span.first, 0) << "nothing reached the speaker";
    // One second of sound, converted from 44.1 to 48 kHz by the server, at its level.
    EXPECT_NEAR(span.seconds(heard.sampleRate), 1.0, 0.08);
    const std::vector<float> tail = middle(heard, span);
    EXPECT_NEAR(rms(tail.data(), qint64(tail.size())), 0.5 / std::sqrt(2.0), 0.03);
    EXPECT_NEAR(zeroCrossingFrequency(tail.data(), qint64(tail.size()), heard.sampleRate), 440.0, 5.0);
}

TEST_F(SoundDevices, AtHalfRateThePlayerTakesTwiceAsLongWithThePitchKept)
{
    const QString tone = folder + QStringLiteral("/tone.wav");
    ASSERT_TRUE(writeSine(tone, 1.0, 440.0, 44100, 0.5f));
    const Sound heard = playAndListen(tone, 0.5f);
    ASSERT_TRUE(heard.ok);
    const Span span = audibleSpan(heard);
    ASSERT_GE(span.first, 0) << "nothing reached the speaker";
    EXPECT_NEAR(span.seconds(heard.sampleRate), 2.0, 0.1);
    const std::vector<float> tail = middle(heard, span);
    EXPECT_NEAR(zeroCrossingFrequency(tail.data(), qint64(tail.size()), heard.sampleRate), 440.0, 8.0);
    EXPECT_NEAR(rms(tail.data(), qint64(tail.size())), 0.5 / std::sqrt(2.0), 0.06);
}

TEST_F(SoundDevices, TheRecorderRecordsTheMicrophoneWithLevels)
{
    ASSERT_EQ(AudioSession::sharedInstance().recordPermission(), AudioSession::RecordPermission::Granted);
    const QString tone = folder + QStringLiteral("/mic.wav");
    ASSERT_TRUE(writeSine(tone, 3.0, 300.0, 48000, 0.5f));
    const QString take = folder + QStringLiteral("/take.caf");
    std::unique_ptr<AudioRecorder> recorder = AudioRecorder::create(take, AudioRecorderSettings());
    ASSERT_NE(recorder, nullptr);
    recorder->setMeteringEnabled(true);
    ASSERT_TRUE(server().playIntoMicrophone(tone));
    QTest::qWait(300);
    ASSERT_TRUE(recorder->record()) << qPrintable(recorder->lastError());
    QSignalSpy finished(recorder.get(), &AudioRecorder::didFinishRecording);
    float loudest = -200.0f;
    for (int poll = 0; poll < 30; ++poll) {  // 1.5 s, polled every 50 ms as the app does
        QTest::qWait(50);
        recorder->updateMeters();
        loudest = std::max(loudest, recorder->peakPowerForChannel(0));
    }
    recorder->stop();
    ASSERT_TRUE(finished.wait(2000));
    EXPECT_TRUE(finished.front().at(1).toBool());
    // A tone of amplitude 0.5 peaks at -6 dB.
    EXPECT_NEAR(loudest, -6.0f, 2.0f);
    const Sound sound = readSound(take);
    ASSERT_TRUE(sound.ok);
    EXPECT_EQ(sound.sampleRate, 16000);
    EXPECT_EQ(sound.format, SF_FORMAT_CAF | SF_FORMAT_ALAC_16);
    EXPECT_NEAR(sound.seconds(), 1.5, 0.3);
    const Span span = audibleSpan(sound);
    ASSERT_GE(span.first, 0) << "the take is silent";
    const std::vector<float> tail = middle(sound, span);
    EXPECT_NEAR(zeroCrossingFrequency(tail.data(), qint64(tail.size()), 16000), 300.0, 5.0);
}

// The two tests below kill the server: they leave no devices to later tests of the process.
TEST_F(SoundDevices, AServerThatVanishesMidPlayEndsThePlayAndTheProgramGoesOn)
{
    const QString tone = folder + QStringLiteral("/tone.wav");
    ASSERT_TRUE(writeSine(tone, 4.0, 440.0, 44100, 0.5f));
    std::unique_ptr<AudioPlayer> player = AudioPlayer::create(tone);
    ASSERT_NE(player, nullptr);
    QSignalSpy finished(player.get(), &AudioPlayer::didFinishPlaying);
    ASSERT_TRUE(player->play());
    ASSERT_FALSE(player->usesNullOutput());
    QTest::qWait(500);
    Heartbeat heartbeat;
    server().kill();
    EXPECT_TRUE(finished.wait(6000)) << "the play never ended";
    ASSERT_EQ(finished.size(), 1);
    EXPECT_FALSE(finished.front().at(1).toBool()) << "a cut-off play ended as if complete";
    QTest::qWait(200);
    EXPECT_LT(heartbeat.largestGapMs, 500);
    // The player can be used again (it falls back to the silent output) and let go.
    EXPECT_TRUE(player->play());
    player.reset();
}

TEST_F(SoundDevices, AServerThatVanishesMidRecordLeavesAWholeTakeOrNone)
{
    const QString tone = folder + QStringLiteral("/mic.wav");
    ASSERT_TRUE(writeSine(tone, 4.0, 300.0, 48000, 0.5f));
    const QString take = folder + QStringLiteral("/take.caf");
    std::unique_ptr<AudioRecorder> recorder = AudioRecorder::create(take, AudioRecorderSettings());
    ASSERT_NE(recorder, nullptr);
    ASSERT_TRUE(server().playIntoMicrophone(tone));
    QTest::qWait(300);
    ASSERT_TRUE(recorder->record()) << qPrintable(recorder->lastError());
    QSignalSpy finished(recorder.get(), &AudioRecorder::didFinishRecording);
    QTest::qWait(700);
    Heartbeat heartbeat;
    server().kill();
    finished.wait(3000);
    recorder->stop();  // the learner lets go of the button: nothing happens if it was cut off
    if (finished.isEmpty()) {
        ASSERT_TRUE(finished.wait(2000));
    }
    QTest::qWait(200);
    EXPECT_LT(heartbeat.largestGapMs, 500);
    ASSERT_EQ(finished.size(), 1);
    const bool kept = finished.front().at(1).toBool();
    EXPECT_EQ(QFileInfo::exists(take), kept);
    if (kept) {
        // What was recorded before the server vanished, whole.
        const Sound sound = readSound(take);
        ASSERT_TRUE(sound.ok);
        EXPECT_GT(sound.seconds(), 0.4);
        EXPECT_LT(sound.seconds(), 4.0);
    }
    EXPECT_FALSE(recorder->isRecording());
}
