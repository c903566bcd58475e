// The audio player on a manual clock: decoding, real-time consumption, loops, pause,
// stop, rate (pitch kept) and volume, checked through the capture file of the null output.
#include "platform/media/AudioCapture.h"
#include "platform/media/AudioClip.h"
#include "platform/media/AudioPlayer.h"
#include "platform/foundation/Clock.h"
#include "support/MediaTestSupport.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QSignalSpy>

using namespace MediaTestSupport;

namespace {
class AudioPlayerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Clock::setInstance(&clock);
        folder = TestSupport::freshDirectory(QStringLiteral("player"));
        capturePath = folder + QStringLiteral("/played.wav");
        AudioCapture::instance().setPath(capturePath);
    }
    void TearDown() override
    {
        AudioCapture::instance().setPath(QString());
        Clock::setInstance(nullptr);
    }

    QString sineFile(double seconds, int sampleRate = 22050, FileKind kind = FileKind::Wav, double frequency = 440.0)
    {
        const QString path = folder + QStringLiteral("/sine-%1.%2").arg(++counter).arg(
                                          kind == FileKind::Mp3 ? QStringLiteral("mp3") : QStringLiteral("wav"));
        EXPECT_TRUE(writeSine(path, seconds, frequency, sampleRate, 0.5f, kind));
        return path;
    }

    Sound captured()
    {
        AudioCapture::instance().close();  // completes the file
        return readSound(capturePath);
    }

    // Advances in 10 ms steps until the player reports the end; returns the time (s) or -1.
    double timeOfFinish(QSignalSpy &spy, double limitSeconds)
    {
        const qint64 start = clock.nowUs();
        while (spy.isEmpty() && clock.nowUs() - start < qint64(limitSeconds * 1e6))
            clock.advance(10);
        return spy.isEmpty() ? -1.0 : double(clock.nowUs() - start) / 1e6;
    }

    ManualClock clock;
    QString folder;
    QString capturePath;
    int counter = 0;
};
}

TEST_F(AudioPlayerTest, MissingOrUndecodableFilesGiveNoPlayerAndNameTheFile)
{
    QString error;
    const QString missing = folder + QStringLiteral("/nothing.mp3");
    EXPECT_EQ(AudioPlayer::create(missing, &error), nullptr);
    EXPECT_TRUE(error.contains(missing)) << qPrintable(error);

    const QString garbage = folder + QStringLiteral("/garbage.mp3");
    QFile file(garbage);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(3000, '\x5a'));
    file.close();
    error.clear();
    EXPECT_EQ(AudioPlayer::create(garbage, &error), nullptr);
    EXPECT_TRUE(error.contains(garbage)) << qPrintable(error);

    const QString empty = folder + QStringLiteral("/empty.wav");
    ASSERT_TRUE(writeSound(empty, {}, 16000, 1));
    error.clear();
    EXPECT_EQ(AudioPlayer::create(empty, &error), nullptr);
    EXPECT_TRUE(error.contains(empty)) << qPrintable(error);
}

TEST_F(AudioPlayerTest, DecodesMp3AndPlaysInRealTimeUntilOneEndEvent)
{
    const QString path = sineFile(1.0, 22050, FileKind::Mp3);
    std::unique_ptr<AudioPlayer> player = AudioPlayer::create(path);
    ASSERT_NE(player, nullptr);
    EXPECT_NEAR(player->duration(), 1.0, 0.1);  // MP3 frames pad the end a little
    EXPECT_TRUE(player->usesNullOutput());
    QSignalSpy finished(player.get(), &AudioPlayer::didFinishPlaying);

    ASSERT_TRUE(player->play());
    EXPECT_TRUE(player->isPlaying());
    clock.advance(500);
    EXPECT_NEAR(player->currentTime(), 0.5, 0.02);
    EXPECT_TRUE(finished.isEmpty());
    const double end = 0.5 + timeOfFinish(finished, 2.0);
    EXPECT_NEAR(end, player->duration(), 0.02);
    ASSERT_EQ(finished.size(), 1);
    EXPECT_EQ(finished.at(0).at(0).value<AudioPlayer *>(), player.get());
    EXPECT_TRUE(finished.at(0).at(1).toBool());
    EXPECT_FALSE(player->isPlaying());
    EXPECT_DOUBLE_EQ(player->currentTime(), 0.0);
    clock.advance(2000);
    EXPECT_EQ(finished.size(), 1);

    const Sound sound = captured();
    ASSERT_TRUE(sound.ok);
    EXPECT_NEAR(sound.seconds(), player->duration(), 0.01);
    EXPECT_NEAR(zeroCrossingFrequency(sound.samples.data() + 2000, 11025, sound.sampleRate), 440.0, 5.0);
}

TEST_F(AudioPlayerTest, LoopsPauseAndStopKeepTheTimeline)
{
    std::unique_ptr<AudioPlayer> player = AudioPlayer::create(sineFile(1.0));
    ASSERT_NE(player, nullptr);
    QSignalSpy finished(player.get(), &AudioPlayer::didFinishPlaying);

    // Two extra loops: three plays, one end event.
    player->setNumberOfLoops(2);
    player->play();
    EXPECT_NEAR(timeOfFinish(finished, 5.0), 3.0, 0.02);
    EXPECT_EQ(finished.size(), 1);

    // Pause holds the position for as long as it lasts.
    finished.clear();
    player->setNumberOfLoops(0);
    player->play();
    clock.advance(300);
    player->pause();
    EXPECT_FALSE(player->isPlaying());
    clock.advance(5000);
    EXPECT_TRUE(finished.isEmpty());
    EXPECT_NEAR(player->currentTime(), 0.3, 0.02);
    player->play();
    EXPECT_NEAR(timeOfFinish(finished, 2.0), 0.7, 0.02);

    // Stop keeps the position too; the caller rewinds by setting the time to 0.
    finished.clear();
    player->play();
    clock.advance(400);
    player->stop();
    clock.advance(3000);
    EXPECT_TRUE(finished.isEmpty());
    EXPECT_NEAR(player->currentTime(), 0.4, 0.02);
    player->setCurrentTime(0.0);
    EXPECT_DOUBLE_EQ(player->currentTime(), 0.0);
    player->play();
    EXPECT_NEAR(timeOfFinish(finished, 2.0), 1.0, 0.02);
}

TEST_F(AudioPlayerTest, HalfRateOfATwoSecondVoicePlaysFourSecondsAtTheOriginalPitch)
{
    std::unique_ptr<AudioPlayer> player = AudioPlayer::create(sineFile(2.0));
    ASSERT_NE(player, nullptr);
    QSignalSpy finished(player.get(), &AudioPlayer::didFinishPlaying);
    player->setEnableRate(true);
    player->setRate(0.5f);
    player->play();
    EXPECT_NEAR(timeOfFinish(finished, 6.0), 4.0, 0.05);

    const Sound sound = captured();
    ASSERT_TRUE(sound.ok);
    EXPECT_EQ(sound.sampleRate, 22050);
    EXPECT_NEAR(sound.seconds(), 4.0, 0.05);
    // Resampling would have halved the pitch to 220 Hz.
    EXPECT_NEAR(zeroCrossingFrequency(sound.samples.data() + 22050, 2 * 22050, 22050), 440.0, 5.0);
    EXPECT_NEAR(rms(sound.samples.data() + 22050, 2 * 22050), 0.5 / std::sqrt(2.0), 0.05);
}

TEST_F(AudioPlayerTest, RateChangesWhilePlayingAreBoundedAndNeedRateControl)
{
    std::unique_ptr<AudioPlayer> player = AudioPlayer::create(sineFile(2.0));
    ASSERT_NE(player, nullptr);
    QSignalSpy finished(player.get(), &AudioPlayer::didFinishPlaying);

    player->setRate(5.0f);
    EXPECT_FLOAT_EQ(player->rate(), 2.0f);
    player->setRate(0.01f);
    EXPECT_FLOAT_EQ(player->rate(), 0.2f);

    // Without rate control the rate is ignored.
    player->setRate(0.5f);
    player->play();
    EXPECT_NEAR(timeOfFinish(finished, 5.0), 2.0, 0.02);

    // One second at 1.0, then the remaining second of source at 2.0 takes half a second.
    finished.clear();
    player->setEnableRate(true);
    player->setRate(1.0f);
    player->play();
    clock.advance(1000);
    player->setRate(2.0f);
    EXPECT_NEAR(timeOfFinish(finished, 3.0), 0.5, 0.06);
}

TEST_F(AudioPlayerTest, VolumeScalesWhatIsPlayed)
{
    std::unique_ptr<AudioPlayer> player = AudioPlayer::create(sineFile(0.5));
    ASSERT_NE(player, nullptr);
    QSignalSpy finished(player.get(), &AudioPlayer::didFinishPlaying);
    player->setVolume(0.25f);
    player->play();
    timeOfFinish(finished, 2.0);
    const Sound sound = captured();
    ASSERT_TRUE(sound.ok);
    EXPECT_NEAR(rms(sound.samples.data(), sound.frames()), 0.25 * 0.5 / std::sqrt(2.0), 0.01);
}

TEST_F(AudioPlayerTest, AnEndHandlerMayDestroyThePlayer)
{
    std::unique_ptr<AudioPlayer> player = AudioPlayer::create(sineFile(0.2));
    ASSERT_NE(player, nullptr);
    bool ended = false;
    QObject::connect(player.get(), &AudioPlayer::didFinishPlaying, [&](AudioPlayer *, bool) {
        ended = true;
        player.reset();
    });
    player->play();
    clock.advance(1000);
    EXPECT_TRUE(ended);
    EXPECT_EQ(player, nullptr);
}
