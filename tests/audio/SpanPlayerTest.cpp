// Playing time ranges of files one after another through the null output: exactly the
// samples of each range, the pause between them, interruptions by a new sequence or by
// another player, and ranges that cannot be played.
#include "support/AudioTestFixture.h"

#include "audio/SpanPlayer.h"
#include "platform/media/AudioCapture.h"
#include "platform/media/AudioPlayer.h"
#include "platform/media/AudioPlayerSlot.h"

#include <QSignalSpy>

#include <cmath>

namespace {
constexpr int kRate = 16000;
constexpr double kStep = 0.9 / (2 * kRate);  // the ramps' rise per sample

class SpanPlayerTest : public AudioTestFixture
{
protected:
    // Two seconds whose sample i is sign x i x kStep, so a captured sample tells which
    // file and which position it came from.
    QString ramp(const QString &name, float sign)
    {
        std::vector<float> samples(2 * kRate);
        for (size_t i = 0; i < samples.size(); ++i)
            samples[i] = sign * float(double(i) * kStep);
        const QString path = folder + QLatin1Char('/') + name + QStringLiteral(".wav");
        EXPECT_TRUE(MediaTestSupport::writeSound(path, samples, kRate, 1));
        return path;
    }
    static qint64 positionOf(float sample) { return std::llround(std::abs(sample) / kStep); }
};
}

TEST_F(SpanPlayerTest, PlaysEachRangeExactlyWithAPauseBetweenThem)
{
    const QString mine = ramp(QStringLiteral("mine"), 1.0f);
    const QString model = ramp(QStringLiteral("model"), -1.0f);
    const QString captured = folder + QStringLiteral("/played.wav");
    AudioCapture::instance().setPath(captured);

    SpanPlayer player;
    QSignalSpy started(&player, &SpanPlayer::spanStarted);
    QSignalSpy finished(&player, &SpanPlayer::finished);
    player.play({{mine, 500, 800}, {model, 1000, 1250}});
    ASSERT_EQ(started.size(), 1);
    EXPECT_EQ(started.at(0).at(0).toInt(), 0);
    EXPECT_TRUE(player.isPlaying());
    ASSERT_NE(AudioPlayerSlot::sharedPlayer(), nullptr);
    EXPECT_TRUE(AudioPlayerSlot::sharedPlayer()->usesNullOutput());
    EXPECT_NEAR(AudioPlayerSlot::sharedPlayer()->duration(), 0.3, 1e-9);

    clock.advance(320);  // the first range is over; the pause runs
    EXPECT_EQ(started.size(), 1);
    EXPECT_TRUE(player.isPlaying()) << "the pause belongs to the sequence";
    clock.advance(SpanPlayer::kPauseMs - 40);
    EXPECT_EQ(started.size(), 1) << "still in the pause";
    clock.advance(60);
    ASSERT_EQ(started.size(), 2);
    EXPECT_EQ(started.at(1).at(0).toInt(), 1);
    EXPECT_EQ(player.currentIndex(), 1);
    EXPECT_TRUE(finished.isEmpty());
    clock.advance(270);
    EXPECT_EQ(finished.size(), 1);
    EXPECT_FALSE(player.isPlaying());
    EXPECT_EQ(player.currentIndex(), -1);

    AudioCapture::instance().setPath(QString());
    const MediaTestSupport::Sound sound = MediaTestSupport::readSound(captured);
    ASSERT_TRUE(sound.ok);
    ASSERT_EQ(sound.samples.size(), size_t(4800 + 4000)) << "the pause is not played";
    EXPECT_GT(sound.samples.front(), 0.0f);
    EXPECT_NEAR(positionOf(sound.samples.front()), 8000, 2);
    EXPECT_NEAR(positionOf(sound.samples[4799]), 12799, 2);
    EXPECT_LT(sound.samples[4800], 0.0f) << "then the model voice";
    EXPECT_NEAR(positionOf(sound.samples[4800]), 16000, 2);
    EXPECT_NEAR(positionOf(sound.samples.back()), 19999, 2);
}

TEST_F(SpanPlayerTest, ANewSequenceOrAnotherPlayerEndsTheOneUnderWay)
{
    const QString mine = ramp(QStringLiteral("mine"), 1.0f);
    const QString model = ramp(QStringLiteral("model"), -1.0f);
    SpanPlayer player;
    QSignalSpy started(&player, &SpanPlayer::spanStarted);
    QSignalSpy finished(&player, &SpanPlayer::finished);

    player.play({{mine, 0, 400}, {model, 0, 400}});
    AudioPlayer *first = AudioPlayerSlot::sharedPlayer();
    clock.advance(100);
    player.play({{mine, 1000, 1200}, {model, 1000, 1200}});
    EXPECT_NE(AudioPlayerSlot::sharedPlayer(), first);
    EXPECT_EQ(started.size(), 2);
    EXPECT_TRUE(finished.isEmpty()) << "a sequence replaced by a tap does not report an end";
    EXPECT_NEAR(AudioPlayerSlot::sharedPlayer()->duration(), 0.2, 1e-9);

    // In the pause, a playlist box takes the shared player: the model voice never comes.
    clock.advance(250);
    ASSERT_TRUE(player.isPlaying());
    const QString other = voices(1).first();
    AudioPlayerSlot::replace(AudioPlayer::create(other));
    AudioPlayer *box = AudioPlayerSlot::sharedPlayer();
    box->play();
    EXPECT_EQ(finished.size(), 1);
    EXPECT_FALSE(player.isPlaying());
    clock.advance(SpanPlayer::kPauseMs + 100);
    EXPECT_EQ(started.size(), 2);
    EXPECT_EQ(AudioPlayerSlot::sharedPlayer(), box);
    EXPECT_TRUE(box->isPlaying());

    // stop() ends a sequence silently.
    player.play({{mine, 0, 400}});
    player.stop();
    EXPECT_FALSE(player.isPlaying());
    EXPECT_EQ(finished.size(), 1);
    EXPECT_FALSE(AudioPlayerSlot::sharedPlayer()->isPlaying());
}

TEST_F(SpanPlayerTest, RangesThatCannotSoundArePassedOver)
{
    const QString mine = ramp(QStringLiteral("mine"), 1.0f);
    SpanPlayer player;
    QSignalSpy started(&player, &SpanPlayer::spanStarted);
    QSignalSpy finished(&player, &SpanPlayer::finished);

    player.play({{folder + QStringLiteral("/missing.caf"), 0, 300},
                 {mine, 700, 700},
                 {mine, 2500, 3000},  // after the end of the file
                 {mine, 1900, 2600}});  // held to the file: 100 ms
    ASSERT_EQ(started.size(), 1);
    EXPECT_EQ(started.at(0).at(0).toInt(), 3);
    EXPECT_NEAR(AudioPlayerSlot::sharedPlayer()->duration(), 0.1, 1e-9);
    clock.advance(150);
    EXPECT_EQ(finished.size(), 1);

    player.play({{folder + QStringLiteral("/missing.caf"), 0, 300}});
    EXPECT_EQ(finished.size(), 2) << "nothing to play ends at once";
    EXPECT_FALSE(player.isPlaying());
    player.play({});
    EXPECT_EQ(finished.size(), 3);
}
