// The speaking quiz: hold-to-record into the phrase's file, the comparison panel really
// scoring flite speech fed through the file microphone, the last comparison as the
// question's points, the recordings that must never be scored, the count-down closing an
// open panel, the result rows, the level meter and the tap hint, and a missing microphone.
#include "QuizFixture.h"

#include "app/HoldToRecord.h"
#include "audio/ZQAudioRecorder.h"
#include "platform/foundation/ResourceLocator.h"
#include "platform/media/AudioRecorder.h"
#include "platform/media/AudioSession.h"
#include "platform/ui/AlertView.h"
#include "platform/ui/AttributedLabel.h"
#include "platform/ui/Button.h"
#include "platform/ui/Label.h"
#include "platform/ui/TableViewCell.h"
#include "platform/ui/ViewSupport.h"
#include "quiz/Phrase2SpeakResultCellView.h"
#include "quiz/Phrase2SpeakVC.h"
#include "speech/views/SpectrumCompView.h"
#include "support/MediaTestSupport.h"
#include "support/TestSupport.h"
#include "widgets/RecordingIndicatorView.h"

#include <QFile>
#include <QFileInfo>

namespace {
class SpeakQuizTest : public QuizFixture
{
protected:
    void SetUp() override
    {
        QuizFixture::SetUp();
        folder = TestSupport::freshDirectory(QStringLiteral("speak"));
        tone = folder + QStringLiteral("/tone.wav");
        ASSERT_TRUE(MediaTestSupport::writeSine(tone, 5.0, 440.0, 16000));
        AudioSession::sharedInstance().setMicrophoneFile(tone);
    }
    void TearDown() override
    {
        AudioSession::sharedInstance().setMicrophoneFile(QString());
        QuizFixture::TearDown();
    }

    // Comparisons need the acoustic model and a voice that says the phrase.
    void requireSpeech()
    {
        PHRASEBOOK_REQUIRE_OR_SKIP(QFileInfo::exists(ResourceLocator::bundlePath(QStringLiteral("EnglishAcousticModel"))
                                                     + QStringLiteral("/mdef")),
                                   "the built acoustic model bundle");
        PHRASEBOOK_REQUIRE_OR_SKIP(TestSupport::programAvailable(QStringLiteral("flite")), "flite");
    }
    QString speech(const QString &text)
    {
        const QString path = folder + QStringLiteral("/speech%1.wav").arg(++spoken);
        const int status = TestSupport::runProgram(
            QStringLiteral("flite"), {QStringLiteral("-voice"), QStringLiteral("slt"), QStringLiteral("-t"), text,
                                      QStringLiteral("-o"), path});
        return status == 0 && QFileInfo::exists(path) ? path : QString();
    }

    // Holds the microphone for `ms` while it hears `file`, then releases it inside.
    void record(Phrase2SpeakVC *quiz, const QString &file, int ms = 3000)
    {
        AudioSession::sharedInstance().setMicrophoneFile(file);
        quiz->beginRecordAction(quiz->microphoneButton());
        clock.advance(ms);
        quiz->endRecordAction(quiz->microphoneButton());
    }
    // Says the current question's phrase; the panel's score is returned (-1: no panel).
    int sayCurrentPhrase(Phrase2SpeakVC *quiz)
    {
        const QString voice = speech(quiz->phraseInfos().at(quiz->currIndex())->foreignText());
        EXPECT_FALSE(voice.isEmpty()) << "flite could not speak";
        record(quiz, voice);
        return closePanel(quiz);
    }
    static int closePanel(Phrase2SpeakVC *quiz)
    {
        SpectrumCompView *panel = quiz->spectrumCompView();
        if (!panel)
            return -1;
        const int score = panel->score();
        // The quiz scores the reading as a whole: no word feedback while it runs.
        EXPECT_FALSE(panel->wordFeedback());
        EXPECT_FALSE(panel->comparison() && panel->comparison()->request().assess);
        panel->closeAction(panel->closeButton());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return score;
    }
    static bool isRecording(const Phrase2SpeakVC &quiz)
    {
        return quiz.recording() && quiz.recording()->isRecording();
    }
    static Phrase2SpeakResultCellView *resultRow(Phrase2SpeakVC *quiz, int row)
    {
        TableViewCell *cell = quiz->resultTable()->cellForRowAtIndexPath({0, row});
        return cell ? cell->contentView()->findChild<Phrase2SpeakResultCellView *>() : nullptr;
    }

    QString folder;
    QString tone;
    int spoken = 0;
};
}

TEST_F(SpeakQuizTest, EachQuestionEarnsItsLastComparisonAndTheLearnerRecordGetsTheWholeScore)
{
    ASSERT_NO_FATAL_FAILURE(requireSpeech());
    auto quiz = makeQuiz<Phrase2SpeakVC>();
    EXPECT_TRUE(quiz->scoreLbl()->isHidden());
    EXPECT_EQ(quiz->currText()->text(), quiz->phraseInfos().at(0)->foreignText());
    const PhraseInfoPtr first = quiz->phraseInfos().at(0);
    QFile::remove(HoldToRecord::recordingPath(*first));

    // Question 1: the panel compares the recording of the phrase; its score is the points.
    const int firstScore = sayCurrentPhrase(quiz.get());
    ASSERT_GT(firstScore, 0);
    EXPECT_EQ(quiz->currWordScore(), firstScore);
    EXPECT_EQ(quiz->tipLbl(), nullptr);
    EXPECT_EQ(quiz->inputPhraseInfos().at(0)->soundPath, HoldToRecord::recordingPath(*first));
    EXPECT_TRUE(QFileInfo::exists(HoldToRecord::recordingPath(*first)));
    quiz->submitAction(quiz->submitBtn());
    EXPECT_EQ(quiz->score(), firstScore);
    EXPECT_EQ(quiz->currWordScore(), 0);

    // Question 2 without a recording: nothing. Question 3 said twice: the second counts.
    quiz->submitAction(quiz->submitBtn());
    EXPECT_EQ(quiz->score(), firstScore);
    const int spokenScore = sayCurrentPhrase(quiz.get());
    record(quiz.get(), tone);
    const int toneScore = closePanel(quiz.get());
    ASSERT_GE(toneScore, 0);
    ASSERT_NE(toneScore, spokenScore);
    EXPECT_EQ(quiz->currWordScore(), toneScore);
    quiz->submitAction(quiz->submitBtn());
    EXPECT_EQ(quiz->score(), firstScore + toneScore);

    // The last question's points reach the learner record with the rest.
    const int fourthScore = sayCurrentPhrase(quiz.get());
    while (!quiz->isOver())
        quiz->submitAction(quiz->submitBtn());
    EXPECT_EQ(quiz->score(), firstScore + toneScore + fourthScore);
    EXPECT_EQ(quizTotalScore(), quiz->score());
    EXPECT_EQ(quizCount(), 1);
}

TEST_F(SpeakQuizTest, AReleaseOutsideOrATooShortTapComparesNothingAndKeepsThePoints)
{
    ASSERT_NO_FATAL_FAILURE(requireSpeech());
    auto quiz = makeQuiz<Phrase2SpeakVC>();
    const int said = sayCurrentPhrase(quiz.get());
    ASSERT_GT(said, 0);

    // Released outside the button: the recording stops, nothing is compared.
    quiz->beginRecordAction(quiz->microphoneButton());
    ASSERT_TRUE(isRecording(*quiz));
    clock.advance(1000);
    quiz->cancelRecordAction(quiz->microphoneButton());
    EXPECT_FALSE(isRecording(*quiz));
    EXPECT_EQ(quiz->spectrumCompView(), nullptr);
    EXPECT_EQ(quiz->currWordScore(), said);

    // A tap too short to hold speech.
    quiz->beginRecordAction(quiz->microphoneButton());
    clock.advance(30);
    quiz->endRecordAction(quiz->microphoneButton());
    EXPECT_FALSE(isRecording(*quiz));
    EXPECT_EQ(quiz->spectrumCompView(), nullptr);
    EXPECT_EQ(quiz->currWordScore(), said);
    quiz->submitAction(quiz->submitBtn());
    EXPECT_EQ(quiz->score(), said);
}

TEST_F(SpeakQuizTest, HoldingShowsTheMeterWhereTheHintWasAndATapShowsTheHint)
{
    auto quiz = makeQuiz<Phrase2SpeakVC>();
    quiz->view()->show();
    const QRectF hintPlace = ViewSupport::frame(quiz->tipLbl());
    EXPECT_EQ(quiz->recordingIndicatorView(), nullptr);
    // An icon-only button: screen readers and the tooltip name it as on the phrase card.
    EXPECT_EQ(quiz->microphoneButton()->accessibleName(), QStringLiteral("Hold to record your voice"));
    EXPECT_EQ(quiz->microphoneButton()->toolTip(), quiz->microphoneButton()->accessibleName());

    quiz->beginRecordAction(quiz->microphoneButton());
    RecordingIndicatorView *meter = quiz->recordingIndicatorView();
    ASSERT_NE(meter, nullptr);
    EXPECT_FALSE(meter->isHidden());
    EXPECT_EQ(meter->mode(), RecordingIndicatorView::Mode::Recording);
    EXPECT_EQ(meter->frame().top(), hintPlace.top());
    clock.advance(1200);
    EXPECT_NEAR(meter->level(), 0.5f, 0.05f);  // the tone's peaks at half scale
    EXPECT_EQ(meter->elapsedText(), QStringLiteral("0:01"));
    quiz->cancelRecordAction(quiz->microphoneButton());
    EXPECT_TRUE(meter->isHidden());

    // A tap: no comparison, the hint for two seconds.
    quiz->beginRecordAction(quiz->microphoneButton());
    clock.advance(40);
    quiz->endRecordAction(quiz->microphoneButton());
    EXPECT_EQ(quiz->spectrumCompView(), nullptr);
    EXPECT_FALSE(meter->isHidden());
    EXPECT_EQ(meter->mode(), RecordingIndicatorView::Mode::Hint);
    EXPECT_EQ(meter->hintText(), QStringLiteral("Tap and hold to speak."));
    clock.advance(2100);
    EXPECT_TRUE(meter->isHidden());

    // Held when the quiz ends: the meter goes with the recording.
    quiz->beginRecordAction(quiz->microphoneButton());
    EXPECT_FALSE(meter->isHidden());
    while (!quiz->isOver())
        quiz->submitAction(quiz->submitBtn());
    EXPECT_FALSE(isRecording(*quiz));
    EXPECT_TRUE(meter->isHidden());
}

TEST_F(SpeakQuizTest, APressWithoutMicrophoneNeverScoresThePreviousQuestionsRecording)
{
    auto quiz = makeQuiz<Phrase2SpeakVC>();
    quiz->view()->show();
    record(quiz.get(), tone, 500);
    closePanel(quiz.get());
    const QString previous = HoldToRecord::recordingPath(*quiz->phraseInfos().at(0));
    ASSERT_TRUE(QFileInfo::exists(previous));
    quiz->submitAction(quiz->submitBtn());

    AudioSession::sharedInstance().setMicrophoneFile(QString());
    quiz->beginRecordAction(quiz->microphoneButton());
    EXPECT_EQ(AlertView::visibleAlerts().size(), 1);
    EXPECT_EQ(quiz->myVoicePath(), previous);
    quiz->endRecordAction(quiz->microphoneButton());
    EXPECT_EQ(quiz->spectrumCompView(), nullptr);
    EXPECT_TRUE(quiz->inputPhraseInfos().at(1)->soundPath.isEmpty());
    EXPECT_EQ(quiz->currWordScore(), 0);
    for (AlertView *alert : AlertView::visibleAlerts())
        alert->clickButton(0);
}

TEST_F(SpeakQuizTest, TheCountDownClosesAnOpenPanelAndShowsTheResultTable)
{
    ASSERT_NO_FATAL_FAILURE(requireSpeech());
    auto quiz = makeQuiz<Phrase2SpeakVC>(nullptr, 20.0f);
    ASSERT_GT(sayCurrentPhrase(quiz.get()), 0);
    quiz->submitAction(quiz->submitBtn());
    // The second question's recording is compared but never submitted: it stays blank.
    record(quiz.get(), tone);
    QPointer<SpectrumCompView> panel = quiz->spectrumCompView();
    ASSERT_FALSE(panel.isNull());
    clock.advance(20000);
    ASSERT_TRUE(quiz->isOver());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(panel.isNull());
    EXPECT_EQ(quiz->spectrumCompView(), nullptr);
    ASSERT_NE(quiz->resultTable(), nullptr);
    EXPECT_EQ(quiz->microphoneButton(), nullptr);
    EXPECT_EQ(quiz->currText(), nullptr);
    EXPECT_EQ(quiz->submitBtn(), nullptr);
    EXPECT_EQ(quiz->resultTable()->numberOfRowsInSection(0), 10);

    // The submitted recording's row reopens its comparison; an unanswered row's first line
    // is empty and does nothing. A French learner's rows have three lines.
    Phrase2SpeakResultCellView *recorded = resultRow(quiz.get(), 0);
    ASSERT_NE(recorded, nullptr);
    EXPECT_EQ(recorded->vcDelegate(), quiz.get());
    EXPECT_EQ(recorded->voiceprintBtn()->title(), QStringLiteral("Show Voiceprint"));
    EXPECT_EQ(recorded->wordLbl()->text(), quiz->phraseInfos().at(0)->foreignText());
    ASSERT_NE(recorded->translationLbl(), nullptr);
    EXPECT_EQ(recorded->translationLbl()->text(), quiz->phraseInfos().at(0)->translationText());
    EXPECT_NEAR(ViewSupport::frame(recorded->wordLbl()).height(), quiz->resultRowH() / 3, 1e-6);
    emit recorded->voiceprintBtn()->touchUpInside(recorded->voiceprintBtn());
    ASSERT_NE(quiz->spectrumCompView(), nullptr);
    EXPECT_EQ(quiz->spectrumCompView()->estimatedAudioFilePath(), quiz->inputPhraseInfos().at(0)->soundPath);
    EXPECT_TRUE(quiz->spectrumCompView()->testedWordScoreLbl()->isHidden());
    closePanel(quiz.get());

    Phrase2SpeakResultCellView *blank = resultRow(quiz.get(), 1);
    ASSERT_NE(blank, nullptr);
    EXPECT_TRUE(blank->voiceprintBtn()->title().isEmpty());
    emit blank->voiceprintBtn()->touchUpInside(blank->voiceprintBtn());
    EXPECT_EQ(quiz->spectrumCompView(), nullptr);
}

TEST_F(SpeakQuizTest, ALearnerOfTheContentLanguageGetsTwoLineRows)
{
    AppCommon::setLanguageOverride(QString::fromLatin1(AppCommon::contentLanguageCode));
    auto quiz = makeQuiz<Phrase2SpeakVC>();
    while (!quiz->isOver())
        quiz->submitAction(quiz->submitBtn());
    Phrase2SpeakResultCellView *row = resultRow(quiz.get(), 0);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->translationLbl(), nullptr);
    EXPECT_NEAR(ViewSupport::frame(row->wordLbl()).height(), quiz->resultRowH() / 2, 1e-6);
    EXPECT_EQ(quizTotalScore(), 0);
}

TEST_F(SpeakQuizTest, WithMicrophoneAccessDeniedTheQuizShowsTheAlertAndNeverStarts)
{
    AudioSession::sharedInstance().setMicrophoneFile(QString());
    auto quiz = makeQuiz<Phrase2SpeakVC>();
    quiz->view()->show();
    const QList<AlertView *> alerts = AlertView::visibleAlerts();
    ASSERT_EQ(alerts.size(), 1);
    EXPECT_EQ(alerts.first()->message(), QStringLiteral("No microphone was found."));
    EXPECT_EQ(alerts.first()->buttonTitle(1), QStringLiteral("Open Settings"));
    EXPECT_FALSE(quiz->isCountingDown());
    EXPECT_EQ(quiz->microphoneButton(), nullptr);
    EXPECT_EQ(quiz->recording(), nullptr);
    EXPECT_EQ(quiz->submitBtn(), nullptr);
    clock.advance(120000);
    EXPECT_FALSE(quiz->isOver());
    alerts.first()->clickButton(0);
}
