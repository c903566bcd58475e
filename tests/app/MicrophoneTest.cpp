// The phrase card without a microphone, and while recording: the "No microphone was found."
// alert and its "Open Settings" (the desktop's sound settings, or an explanation), recording
// that works as soon as a microphone appears (an injected device list), the level meter and
// time while the button is held (a file-fed microphone on the manual clock), and the hint
// after a too short tap.
#include "CardTestFixture.h"

#include "app/PhraseCardVC.h"
#include "platform/foundation/SoundSettings.h"
#include "platform/media/AudioDevices.h"
#include "platform/media/AudioInput.h"
#include "platform/media/AudioRecorder.h"
#include "platform/media/FileAudioInput.h"
#include "platform/ui/AlertView.h"
#include "platform/ui/Button.h"
#include "platform/ui/View.h"
#include "audio/ZQAudioRecorder.h"
#include "support/MediaTestSupport.h"
#include "widgets/RecordingIndicatorView.h"

#include <limits>
#include <memory>

namespace {
// A microphone that starts but never delivers a sample.
class MuteInput : public AudioInput
{
public:
    bool start(Sink, QString *) override { return true; }
    void stop() override {}
};

class MicrophoneTest : public CardTestFixture
{
protected:
    void TearDown() override
    {
        for (AlertView *alert : AlertView::visibleAlerts())
            alert->clickButton(alert->cancelButtonIndex());
        AudioDevices::setStateForTesting({});
        AudioInput::setFactoryForTesting({});
        SoundSettings::setStarterForTesting({});
        PhraseCardVC::setSettingsOpener({});
        qunsetenv("XDG_CURRENT_DESKTOP");
        CardTestFixture::TearDown();
    }
    std::unique_ptr<PhraseCardVC> openCard()
    {
        const CategoryInfoPtr category = categoryWith(2);
        EXPECT_NE(category, nullptr);
        auto card = std::make_unique<PhraseCardVC>();
        card->setPhraseInfo(category ? category->phraseInfoList->first() : nullptr);
        card->view()->show();
        return card;
    }
    QString tone(double seconds, float amplitude)
    {
        const QString path = folder + QStringLiteral("/tone.wav");
        EXPECT_TRUE(MediaTestSupport::writeSine(path, seconds, 440.0, 16000, amplitude));
        return path;
    }
    static AlertView *onlyAlert()
    {
        const QList<AlertView *> alerts = AlertView::visibleAlerts();
        return alerts.size() == 1 ? alerts.first() : nullptr;
    }
};
}

TEST_F(MicrophoneTest, WithoutAMicrophoneTheCardSaysSoAndRecordsOnceOneAppears)
{
    auto card = openCard();
    bool microphone = false;
    AudioDevices::setStateForTesting([&microphone] { return AudioDevices::State{true, microphone, true}; });
    const QString file = tone(2.0, 0.5);
    AudioInput::setFactoryForTesting([file] { return std::make_unique<FileAudioInput>(file); });

    card->beginRecordAction(card->microphoneBtn());
    AlertView *alert = onlyAlert();
    ASSERT_NE(alert, nullptr);
    EXPECT_EQ(alert->message(), QStringLiteral("No microphone was found."));
    EXPECT_EQ(alert->buttonTitle(1), QStringLiteral("Open Settings"));
    EXPECT_FALSE(card->audioRecorder()->recorder() && card->audioRecorder()->recorder()->isRecording());
    card->endRecordAction(card->microphoneBtn());
    alert->clickButton(alert->cancelButtonIndex());

    // The microphone is plugged in: the next press records, without a restart.
    microphone = true;
    card->beginRecordAction(card->microphoneBtn());
    EXPECT_TRUE(AlertView::visibleAlerts().isEmpty());
    ASSERT_NE(card->audioRecorder()->recorder(), nullptr);
    EXPECT_TRUE(card->audioRecorder()->recorder()->isRecording());
    card->cancelRecordAction(card->microphoneBtn());

    // No sound server at all reads the same to the learner.
    AudioDevices::setStateForTesting([] { return AudioDevices::State{}; });
    EXPECT_EQ(AudioDevices::input(), AudioDevices::Availability::NoServer);
    card->beginRecordAction(card->microphoneBtn());
    ASSERT_NE(onlyAlert(), nullptr);
    EXPECT_EQ(onlyAlert()->message(), QStringLiteral("No microphone was found."));
}

TEST_F(MicrophoneTest, OpenSettingsStartsTheDesktopsSoundSettingsOrExplainsWhatToDo)
{
    auto card = openCard();
    AudioDevices::setStateForTesting([] { return AudioDevices::State{true, false, true}; });
    qputenv("XDG_CURRENT_DESKTOP", "ubuntu:GNOME");
    QStringList tried;
    QString installed = QStringLiteral("pavucontrol");
    SoundSettings::setStarterForTesting([&tried, &installed](const SoundSettings::Program &program) {
        tried << program.executable;
        return program.executable == installed;
    });

    // The desktop's own page first, then the volume controls: the first installed one opens.
    card->beginRecordAction(card->microphoneBtn());
    ASSERT_NE(onlyAlert(), nullptr);
    onlyAlert()->clickButton(1);
    EXPECT_EQ(tried, QStringList({"gnome-control-center", "pavucontrol"}));
    EXPECT_TRUE(AlertView::visibleAlerts().isEmpty());

    // Nothing installed: an alert says what to do instead of silence.
    tried.clear();
    installed.clear();
    card->beginRecordAction(card->microphoneBtn());
    ASSERT_NE(onlyAlert(), nullptr);
    onlyAlert()->clickButton(1);
    EXPECT_EQ(tried.size(), SoundSettings::candidates(QStringLiteral("GNOME")).size());
    AlertView *explanation = onlyAlert();
    ASSERT_NE(explanation, nullptr);
    EXPECT_TRUE(explanation->message().startsWith(QStringLiteral("No sound settings program was found.")));
    EXPECT_EQ(explanation->buttonTitle(0), QStringLiteral("OK"));
}

TEST_F(MicrophoneTest, HoldingTheButtonShowsTheLevelAndTimeAndATapShowsTheHint)
{
    auto card = openCard();
    AudioSession::sharedInstance().setMicrophoneFile(tone(3.0, 0.5));

    card->beginRecordAction(card->microphoneBtn());
    RecordingIndicatorView *meter = card->recordingIndicatorView();
    ASSERT_NE(meter, nullptr);
    EXPECT_FALSE(meter->isHidden());
    EXPECT_EQ(meter->mode(), RecordingIndicatorView::Mode::Recording);
    // Across the previous / next row, as wide as the button panel.
    EXPECT_EQ(meter->frame().top(), card->lastItemBtn()->frame().top());
    EXPECT_EQ(meter->frame().width(), card->buttonPanel()->frame().width());
    clock.advance(500);
    EXPECT_NEAR(meter->level(), 0.5f, 0.05f);  // the 50 ms peaks of a tone at half scale
    EXPECT_GT(meter->meterFill(), 0.8);
    EXPECT_EQ(meter->elapsedText(), QStringLiteral("0:00"));
    clock.advance(1100);
    EXPECT_EQ(meter->elapsedText(), QStringLiteral("0:01"));
    card->cancelRecordAction(card->microphoneBtn());
    EXPECT_TRUE(meter->isHidden());

    // A tap shorter than 0.1 s: no comparison, the hint for two seconds.
    card->beginRecordAction(card->microphoneBtn());
    EXPECT_EQ(meter->level(), 0.0f);  // a new recording starts from an empty meter
    clock.advance(40);
    card->endRecordAction(card->microphoneBtn());
    EXPECT_EQ(card->spectrumCompView(), nullptr);
    EXPECT_FALSE(meter->isHidden());
    EXPECT_EQ(meter->mode(), RecordingIndicatorView::Mode::Hint);
    EXPECT_EQ(meter->hintText(), QStringLiteral("Tap and hold to speak."));
    clock.advance(1900);
    EXPECT_FALSE(meter->isHidden());
    clock.advance(200);
    EXPECT_TRUE(meter->isHidden());

    // A long hold on a microphone that delivered nothing is no tap: no hint, no panel.
    AudioSession::sharedInstance().setMicrophoneFile(QString());
    AudioDevices::setStateForTesting([] { return AudioDevices::State{true, true, true}; });
    AudioInput::setFactoryForTesting([] { return std::make_unique<MuteInput>(); });
    card->beginRecordAction(card->microphoneBtn());
    clock.advance(1000);
    card->endRecordAction(card->microphoneBtn());
    EXPECT_TRUE(meter->isHidden());
    EXPECT_EQ(card->spectrumCompView(), nullptr);
}

TEST(RecordingIndicatorViewTest, TheMeterFollowsTheLevelInDecibels)
{
    RecordingIndicatorView meter(QRectF(0, 0, 160, 40));
    meter.setLevel(1.0f);
    EXPECT_DOUBLE_EQ(meter.meterFill(), 1.0);
    meter.setLevel(0.1f);  // -20 dB
    EXPECT_NEAR(meter.meterFill(), 0.6, 1e-6);
    meter.setLevel(0.001f);  // -60 dB, below the floor
    EXPECT_DOUBLE_EQ(meter.meterFill(), 0.0);
    meter.setLevel(std::numeric_limits<float>::quiet_NaN());
    EXPECT_DOUBLE_EQ(meter.meterFill(), 0.0);
    EXPECT_EQ(RecordingIndicatorView::formatElapsed(75.9), QStringLiteral("1:15"));
}
