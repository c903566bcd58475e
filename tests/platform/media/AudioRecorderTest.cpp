// The recorder with a file-fed microphone on a manual clock: the file it writes, its
// metering, and the failures that must leave no file behind.
#include "platform/media/AudioInput.h"
#include "platform/media/AudioRecorder.h"
#include "platform/media/AudioSession.h"
#include "platform/foundation/Clock.h"
#include "support/MediaTestSupport.h"
#include "platform/media/PowerMeter.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSignalSpy>

#include <sndfile.h>

using namespace MediaTestSupport;

namespace {
class AudioRecorderTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Clock::setInstance(&clock);
        folder = TestSupport::freshDirectory(QStringLiteral("recorder"));
        target = folder + QStringLiteral("/record/7.caf");
    }
    void TearDown() override
    {
        AudioSession::sharedInstance().setMicrophoneFile(QString());
        AudioInput::setFactoryForTesting({});
        Clock::setInstance(nullptr);
    }

    void useMicrophone(double seconds, double frequency, int sampleRate, float amplitude)
    {
        const QString path = folder + QStringLiteral("/microphone.wav");
        ASSERT_TRUE(writeSine(path, seconds, frequency, sampleRate, amplitude));
        AudioSession::sharedInstance().setMicrophoneFile(path);
    }

    std::unique_ptr<AudioRecorder> recorder()
    {
        QString error;
        std::unique_ptr<AudioRecorder> made = AudioRecorder::create(target, AudioRecorderSettings(), &error);
        EXPECT_NE(made, nullptr) << qPrintable(error);
        return made;
    }

    // A recording of the target's phrase made before this one.
    void writeOlderRecording()
    {
        QDir().mkpath(folder + QStringLiteral("/record"));
        QFile old(target);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("an older recording");
    }

    QStringList leftovers() const
    {
        return QDir(folder + QStringLiteral("/record")).entryList(QDir::Files | QDir::Hidden);
    }

    ManualClock clock;
    QString folder;
    QString target;
};

// An input that delivers a little sound and then loses its device.
class FailingInput : public AudioInput
{
public:
    bool start(Sink sink, QString *) override
    {
        std::vector<qint16> samples(1600, 1000);
        sink(samples.data(), qint64(samples.size()));
        return true;
    }
    void stop() override {}
    void loseDevice() { Q_EMIT failed(QStringLiteral("device gone")); }
};
}

TEST_F(AudioRecorderTest, FileFedRecordingIsAppleLosslessCafAt16kMonoOfTheRecordedLength)
{
    useMicrophone(3.0, 440.0, 44100, 0.5f);  // resampled to 16 kHz on the way in
    std::unique_ptr<AudioRecorder> made = recorder();
    ASSERT_NE(made, nullptr);
    QSignalSpy finished(made.get(), &AudioRecorder::didFinishRecording);
    ASSERT_TRUE(made->record()) << qPrintable(made->lastError());
    EXPECT_TRUE(made->isRecording());
    clock.advance(1500);
    EXPECT_NEAR(made->currentTime(), 1.5, 0.02);
    EXPECT_FALSE(QFile::exists(target));  // only a clean stop puts the file in place
    made->stop();
    EXPECT_FALSE(made->isRecording());
    clock.runDue();
    ASSERT_EQ(finished.size(), 1);
    EXPECT_TRUE(finished.at(0).at(1).toBool());

    const Sound sound = readSound(target);
    ASSERT_TRUE(sound.ok);
    EXPECT_EQ(sound.sampleRate, 16000);
    EXPECT_EQ(sound.channels, 1);
    EXPECT_EQ(sound.format, SF_FORMAT_CAF | SF_FORMAT_ALAC_16);
    EXPECT_NEAR(double(sound.frames()), 24000.0, 160.0);
    EXPECT_NEAR(zeroCrossingFrequency(sound.samples.data(), sound.frames(), 16000), 440.0, 3.0);
    EXPECT_NEAR(rms(sound.samples.data() + 1000, 16000), 0.5 / std::sqrt(2.0), 0.01);
    EXPECT_EQ(leftovers(), QStringList{QStringLiteral("7.caf")});
}

TEST_F(AudioRecorderTest, MeteringReadsPeakAndAveragePowerOfAKnownSine)
{
    EXPECT_FLOAT_EQ(PowerMeter::decibels(1.0), 0.0f);
    EXPECT_FLOAT_EQ(PowerMeter::decibels(0.0), -160.0f);
    EXPECT_FLOAT_EQ(PowerMeter::decibels(1e-12), -160.0f);

    useMicrophone(1.0, 1000.0, 16000, 0.5f);
    std::unique_ptr<AudioRecorder> made = recorder();
    ASSERT_NE(made, nullptr);
    made->setMeteringEnabled(true);
    ASSERT_TRUE(made->record());
    clock.advance(50);
    made->updateMeters();
    EXPECT_NEAR(made->peakPowerForChannel(0), -6.02, 0.1);     // 20 log10(0.5)
    EXPECT_NEAR(made->averagePowerForChannel(0), -9.03, 0.1);  // rms of a sine: peak / sqrt 2
    EXPECT_FLOAT_EQ(made->peakPowerForChannel(1), -160.0f);

    // After the end of the file the microphone hears silence.
    clock.advance(1200);
    made->updateMeters();
    clock.advance(50);
    made->updateMeters();
    EXPECT_FLOAT_EQ(made->peakPowerForChannel(0), -160.0f);
    made->stop();
    made->updateMeters();
    EXPECT_FLOAT_EQ(made->peakPowerForChannel(0), -160.0f);
}

TEST_F(AudioRecorderTest, WithoutAMicrophoneRecordingIsDeniedAndNoFileIsLeft)
{
    ASSERT_EQ(AudioSession::sharedInstance().recordPermission(), AudioSession::RecordPermission::Denied);
    std::unique_ptr<AudioRecorder> made = recorder();
    ASSERT_NE(made, nullptr);
    ASSERT_NO_FATAL_FAILURE(writeOlderRecording());
    EXPECT_FALSE(made->record());
    EXPECT_TRUE(made->lastError().contains(QStringLiteral("not permitted"))) << qPrintable(made->lastError());
    EXPECT_FALSE(made->isRecording());
    made->stop();  // harmless
    EXPECT_TRUE(QFile::exists(target));  // a recording that never started replaced nothing
}

TEST_F(AudioRecorderTest, AnUndecodableMicrophoneFileFailsTheStartNamingTheFile)
{
    std::unique_ptr<AudioRecorder> made = recorder();
    ASSERT_NE(made, nullptr);
    ASSERT_NO_FATAL_FAILURE(writeOlderRecording());
    const QString broken = folder + QStringLiteral("/broken.wav");
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a sound");
    file.close();
    AudioSession::sharedInstance().setMicrophoneFile(broken);
    EXPECT_FALSE(made->record());
    EXPECT_TRUE(made->lastError().contains(broken)) << qPrintable(made->lastError());
    EXPECT_FALSE(QFile::exists(target));  // the start replaced the old recording
    EXPECT_TRUE(leftovers().isEmpty()) << qPrintable(leftovers().join(QLatin1Char(' ')));
}

TEST_F(AudioRecorderTest, ACutOffRecordingLeavesNoFile)
{
    useMicrophone(1.0, 440.0, 16000, 0.5f);  // grants the permission
    FailingInput *input = nullptr;
    AudioInput::setFactoryForTesting([&input] {
        auto made = std::make_unique<FailingInput>();
        input = made.get();
        return made;
    });
    std::unique_ptr<AudioRecorder> made = recorder();
    ASSERT_NE(made, nullptr);
    QSignalSpy finished(made.get(), &AudioRecorder::didFinishRecording);
    ASSERT_TRUE(made->record());
    ASSERT_NE(input, nullptr);
    input->loseDevice();
    EXPECT_FALSE(made->isRecording());
    clock.runDue();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(finished.size(), 1);
    EXPECT_FALSE(finished.at(0).at(1).toBool());
    EXPECT_FALSE(QFile::exists(target));
    EXPECT_TRUE(leftovers().isEmpty()) << qPrintable(leftovers().join(QLatin1Char(' ')));
}

TEST_F(AudioRecorderTest, SettingsOtherThanTheRecognisersFormatAreRefused)
{
    QString error;
    AudioRecorderSettings settings;
    settings.sampleRate = 44100.0;
    EXPECT_EQ(AudioRecorder::create(target, settings, &error), nullptr);
    EXPECT_FALSE(error.isEmpty());
    error.clear();
    EXPECT_EQ(AudioRecorder::create(folder + QStringLiteral("/a.wav"), AudioRecorderSettings(), &error), nullptr);
    EXPECT_TRUE(error.contains(QStringLiteral("a.wav"))) << qPrintable(error);
    settings = AudioRecorderSettings();
    settings.format = AudioRecorderSettings::Format::LinearPcm;
    EXPECT_NE(AudioRecorder::create(folder + QStringLiteral("/a.wav"), settings, &error), nullptr);
}
