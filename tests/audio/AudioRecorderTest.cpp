// ZQAudioRecorder with a file-fed microphone on a manual clock: the 50 ms level polling,
// repeated starts, playback interrupting a recording, no microphone, and the delegate calls.
#include "support/AudioTestFixture.h"

#include "platform/media/AudioPlayer.h"
#include "platform/media/AudioRecorder.h"
#include "platform/media/AudioSession.h"
#include "platform/media/MediaTimer.h"
#include "audio/ZQAudioRecorder.h"

#include <QFile>

#include <sndfile.h>

namespace {
class RecordingDelegate : public ZQRecorderDelegate
{
public:
    void periodicTimeObserver(AudioRecorder *, float powerValue, float interval) override
    {
        levels.append(powerValue);
        lastInterval = interval;
    }
    void recorderDidFinishRecording(AudioRecorder *, bool successfully) override { finishes.append(successfully); }

    QList<float> levels;
    float lastInterval = 0;
    QList<bool> finishes;
};

// Implements neither optional operation.
class SilentDelegate : public ZQRecorderDelegate
{
};

class ZQAudioRecorderTest : public AudioTestFixture
{
protected:
    void TearDown() override
    {
        AudioSession::sharedInstance().setMicrophoneFile(QString());
        AudioTestFixture::TearDown();
    }
    void useMicrophone(float amplitude, double seconds = 2.0)
    {
        const QString path = folder + QStringLiteral("/mic.wav");
        ASSERT_TRUE(MediaTestSupport::writeSine(path, seconds, 500.0, 16000, amplitude));
        AudioSession::sharedInstance().setMicrophoneFile(path);
    }
    QString recordPath(const QString &id) const { return folder + QStringLiteral("/record/") + id + QStringLiteral(".caf"); }
};
}

TEST_F(ZQAudioRecorderTest, RecordingPollsTheLinearPeakEvery50msAndWritesTheFile)
{
    useMicrophone(0.1f);  // -20 dB
    ZQAudioRecorder recorder;
    RecordingDelegate delegate;
    recorder.setRecorderDelegate(&delegate);
    recorder.setCAF2MP3(true);
    recorder.recordPushed(recordPath(QStringLiteral("12")));
    EXPECT_FALSE(recorder.CAF2MP3());
    EXPECT_EQ(AudioSession::sharedInstance().category(), AudioSession::Category::Record);
    EXPECT_TRUE(AudioSession::sharedInstance().isActive());
    ASSERT_NE(recorder.recorder(), nullptr);
    EXPECT_TRUE(recorder.recorder()->isRecording());
    EXPECT_FLOAT_EQ(recorder.timeInterval(), 0.05f);
    EXPECT_EQ(recorder.recordedFilePath(), recordPath(QStringLiteral("12")));

    clock.advance(1000);
    ASSERT_EQ(delegate.levels.size(), 20);
    for (float level : delegate.levels)
        EXPECT_NEAR(level, 0.1f, 0.002f);
    EXPECT_FLOAT_EQ(delegate.lastInterval, 0.05f);

    // A second start while recording changes nothing.
    AudioRecorder *first = recorder.recorder();
    recorder.recordPushed(recordPath(QStringLiteral("13")));
    EXPECT_EQ(recorder.recorder(), first);
    EXPECT_EQ(recorder.recordedFilePath(), recordPath(QStringLiteral("12")));

    clock.advance(500);
    recorder.stopPushed();
    clock.advance(500);
    EXPECT_EQ(delegate.levels.size(), 30);  // the timer stopped with the recording
    EXPECT_EQ(delegate.finishes, QList<bool>({true}));
    const MediaTestSupport::Sound sound = MediaTestSupport::readSound(recordPath(QStringLiteral("12")));
    ASSERT_TRUE(sound.ok);
    EXPECT_EQ(sound.format, SF_FORMAT_CAF | SF_FORMAT_ALAC_16);
    EXPECT_NEAR(sound.seconds(), 1.5, 0.02);
    EXPECT_FALSE(QFile::exists(recordPath(QStringLiteral("13"))));
}

TEST_F(ZQAudioRecorderTest, PlaybackInterruptsARecordingAndThePollingGoesOn)
{
    useMicrophone(1.0f);
    ZQAudioRecorder recorder;
    RecordingDelegate delegate;
    recorder.setRecorderDelegate(&delegate);
    const QString voice = voices(1, 2.0).first();
    recorder.recordPushed(recordPath(QStringLiteral("3")));
    clock.advance(300);
    ASSERT_NE(recorder.recorder(), nullptr);
    recorder.playPushed(voice);
    EXPECT_FALSE(recorder.recorder()->isRecording());
    ASSERT_NE(recorder.player(), nullptr);
    EXPECT_TRUE(recorder.player()->isPlaying());
    EXPECT_EQ(AudioSession::sharedInstance().category(), AudioSession::Category::Playback);
    clock.advance(1);
    EXPECT_EQ(delegate.finishes, QList<bool>({true}));
    const qsizetype polled = delegate.levels.size();
    clock.advance(500);
    // Still polling the stopped recorder, which reads silence (-160 dB).
    ASSERT_EQ(delegate.levels.size(), polled + 10);
    EXPECT_NEAR(delegate.levels.last(), 1e-8f, 1e-9f);
    EXPECT_TRUE(QFile::exists(recordPath(QStringLiteral("3"))));

    // The next start replaces the polling timer instead of adding a second one.
    recorder.recordPushed(recordPath(QStringLiteral("4")));
    EXPECT_FALSE(recorder.player()->isPlaying());
    delegate.levels.clear();
    clock.advance(500);
    ASSERT_EQ(delegate.levels.size(), 10);
    EXPECT_NEAR(delegate.levels.last(), 1.0f, 0.01f);
    recorder.stopPushed();

    // A missing file to play: nothing plays, nothing breaks.
    recorder.playPushed(folder + QStringLiteral("/missing.caf"));
    EXPECT_EQ(recorder.player(), nullptr);
    recorder.stopPushed();
}

TEST_F(ZQAudioRecorderTest, WithoutAMicrophoneNothingIsRecordedAndThePollingReportsSilence)
{
    // No microphone: the recorder exists but does not record, and reports silence.
    ZQAudioRecorder recorder;
    RecordingDelegate delegate;
    recorder.setRecorderDelegate(&delegate);
    recorder.recordPushed(recordPath(QStringLiteral("5")));
    ASSERT_NE(recorder.recorder(), nullptr);
    EXPECT_FALSE(recorder.recorder()->isRecording());
    clock.advance(200);
    ASSERT_EQ(delegate.levels.size(), 4);
    for (float level : delegate.levels)
        EXPECT_LT(level, 1e-7f);
    recorder.stopPushed();
    clock.advance(100);
    EXPECT_TRUE(delegate.finishes.isEmpty());
    EXPECT_FALSE(QFile::exists(recordPath(QStringLiteral("5"))));
}

TEST_F(ZQAudioRecorderTest, ADelegateThatImplementsNothingOrIsGoneReceivesNothing)
{
    useMicrophone(0.5f);
    ZQAudioRecorder quiet;
    SilentDelegate silent;
    quiet.setRecorderDelegate(&silent);
    quiet.recordPushed(recordPath(QStringLiteral("6")));
    clock.advance(200);
    {
        RecordingDelegate gone;
        quiet.setRecorderDelegate(&gone);
    }
    EXPECT_EQ(quiet.recorderDelegate(), nullptr);
    clock.advance(200);  // polling and the end event reach no one (a call would be a use after free)
    quiet.stopPushed();
    clock.advance(10);
    EXPECT_NEAR(MediaTestSupport::readSound(recordPath(QStringLiteral("6"))).seconds(), 0.4, 0.02);
}
