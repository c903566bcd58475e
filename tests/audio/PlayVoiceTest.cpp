// createAudioPlayer and playVoice: the session, the speed preference, loops, and the
// silent failure for missing voices; the capture file named by PHRASEBOOK_AUDIO_OUT.
#include "support/AudioTestFixture.h"

#include "content/AppCommon.h"
#include "audio/AppCommonAudio.h"
#include "platform/media/AudioPlayer.h"
#include "platform/media/AudioSession.h"

#include <QCoreApplication>
#include <QFile>
#include <QSignalSpy>

TEST_F(AudioTestFixture, PlayVoiceStartsAtTheSavedSpeedWithTheGivenLoops)
{
    const QString voice = voices(1, 1.0).first();
    AppCommon::setPlaySpeed(1.5);
    std::unique_ptr<AudioPlayer> player = AppCommon::playVoice(QUrl::fromLocalFile(voice), 1);
    ASSERT_NE(player, nullptr);
    EXPECT_EQ(AudioSession::sharedInstance().category(), AudioSession::Category::Playback);
    EXPECT_TRUE(AudioSession::sharedInstance().isActive());
    EXPECT_TRUE(player->isPlaying());
    EXPECT_TRUE(player->enableRate());
    EXPECT_FLOAT_EQ(player->rate(), 1.5f);
    EXPECT_FLOAT_EQ(player->volume(), 1.0f);
    EXPECT_EQ(player->numberOfLoops(), 1);
    QSignalSpy finished(player.get(), &AudioPlayer::didFinishPlaying);
    clock.advance(1300);
    EXPECT_TRUE(finished.isEmpty());
    clock.advance(100);  // two plays of 1 s at 1.5: about 1.33 s
    EXPECT_EQ(finished.size(), 1);

    // A speed that is not positive plays at 1.0.
    AppCommon::setPlaySpeed(0.0);
    player = AppCommon::playVoice(QUrl::fromLocalFile(voice), 0);
    ASSERT_NE(player, nullptr);
    EXPECT_FLOAT_EQ(player->rate(), 1.0f);

    std::unique_ptr<AudioPlayer> prepared = AppCommon::createAudioPlayer(QUrl::fromLocalFile(voice));
    ASSERT_NE(prepared, nullptr);
    EXPECT_FALSE(prepared->isPlaying());
}

TEST_F(AudioTestFixture, MissingVoicesAndNonFileAddressesGiveNothing)
{
    EXPECT_EQ(AppCommon::playVoice(QUrl::fromLocalFile(folder + QStringLiteral("/9.mp3")), 0), nullptr);
    EXPECT_EQ(AppCommon::createAudioPlayer(QUrl(QStringLiteral("https://example.org/1.mp3"))), nullptr);
    EXPECT_EQ(AppCommon::createAudioPlayer(QUrl()), nullptr);
}

// The capture file is named by the environment of the program: the probe program plays
// a 2 s voice at speed 0.5 with PHRASEBOOK_AUDIO_OUT set.
TEST_F(AudioTestFixture, CaptureFileNamedByTheEnvironmentHoldsWhatWasPlayed)
{
    const QString voice = folder + QStringLiteral("/voice.wav");
    ASSERT_TRUE(MediaTestSupport::writeSine(voice, 2.0, 440.0, 22050));
    const QString captured = folder + QStringLiteral("/out/played.wav");
    qputenv("PHRASEBOOK_AUDIO_OUT", QFile::encodeName(captured));
    QString output;
    const int status = TestSupport::runProgram(QStringLiteral(AUDIO_CAPTURE_PROBE), {voice}, &output);
    qunsetenv("PHRASEBOOK_AUDIO_OUT");
    ASSERT_EQ(status, 0) << qPrintable(output);

    const MediaTestSupport::Sound sound = MediaTestSupport::readSound(captured);
    ASSERT_TRUE(sound.ok);
    EXPECT_EQ(sound.sampleRate, 22050);
    EXPECT_NEAR(sound.seconds(), 4.0, 0.05);
    // At the original pitch: resampling to half speed would give 220 Hz.
    EXPECT_NEAR(MediaTestSupport::zeroCrossingFrequency(sound.samples.data() + 22050, 2 * 22050, 22050), 440.0, 5.0);
}
