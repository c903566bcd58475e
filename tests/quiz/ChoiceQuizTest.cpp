// The two choice quizzes on screen: the matching quiz's widgets, and the listening quiz's
// voice: its delayed start, the loudspeaker, quick submits and the end of the quiz.
#include "QuizFixture.h"

#include "platform/media/AudioPlayer.h"
#include "platform/ui/Button.h"
#include "platform/ui/Label.h"
#include "platform/ui/ScrollView.h"
#include "platform/ui/ViewSupport.h"
#include "quiz/Listen2SelectVC.h"
#include "quiz/OptionBtn.h"
#include "quiz/Word2WordVC.h"

namespace {
using ChoiceQuizTest = QuizFixture;

QString voiceOf(BaseQuizViewController *quiz, int question)
{
    return AppCommon::getVoicePath(*quiz->phraseInfos().at(question));
}
}

TEST_F(ChoiceQuizTest, TheMatchingQuizLaysOutItsQuestionAndOptionsBetweenThePanelAndSubmit)
{
    useDevice(QSizeF(320, 568));
    auto quiz = makeQuiz<Word2WordVC>();
    const QRectF panel = ViewSupport::frame(quiz->quizInfoView());
    EXPECT_EQ(panel, QRectF(10, 74, 300, 52));
    EXPECT_EQ(ViewSupport::frame(quiz->progressLbl()), QRectF(20, 0, 120, 26));
    EXPECT_EQ(ViewSupport::frame(quiz->limitedTimeLbl()), QRectF(160, 0, 120, 26));
    EXPECT_EQ(ViewSupport::frame(quiz->currText()), QRectF(40, 136, 240, 60));
    EXPECT_EQ(ViewSupport::frame(quiz->submitBtn()), QRectF(0, 524, 320, 44));
    // The area: 200 high, centred in the space from 10 below the question to Submit.
    const qreal spaceTop = 196 + 10;
    EXPECT_EQ(ViewSupport::frame(quiz->optionArea()), QRectF(10, spaceTop + (524 - spaceTop - 200) / 2, 300, 200));
    const QList<OptionBtn *> options = quiz->optionButtons();
    ASSERT_EQ(options.size(), 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(ViewSupport::frame(options.at(i)), QRectF(0, 50 * i, 300, 45));
        EXPECT_EQ(options.at(i)->titleNumberOfLines(), 0);
        EXPECT_EQ(options.at(i)->title(), quiz->currOptions().at(i)->foreignText());
    }
    // Mother to foreign: the question in the learner's language.
    EXPECT_EQ(quiz->currText()->text(), quiz->phraseInfos().at(0)->translationText());
    EXPECT_NE(quiz->currText()->text(), quiz->phraseInfos().at(0)->foreignText());

    // A short screen: the options shrink to the space and scroll.
    useDevice(QSizeF(320, 420));
    auto squeezed = makeQuiz<Word2WordVC>();
    const QRectF area = ViewSupport::frame(squeezed->optionArea());
    EXPECT_DOUBLE_EQ(area.height(), 420 - 44 - spaceTop);
    EXPECT_GT(squeezed->optionArea()->maximumContentOffset().y(), 0.0);
}

TEST_F(ChoiceQuizTest, EachQuestionsVoiceStartsOneAndAHalfSecondsAfterItIsShownAndTheLoudspeakerRestartsIt)
{
    auto quiz = makeQuiz<Listen2SelectVC>();
    EXPECT_EQ(ViewSupport::frame(quiz->loudspeakerButton()), QRectF(162.5, 136, 50, 50));
    clock.advance(1499);
    EXPECT_EQ(quiz->audioPlayer(), nullptr);
    clock.advance(1);
    ASSERT_NE(quiz->audioPlayer(), nullptr);
    EXPECT_TRUE(quiz->audioPlayer()->isPlaying());
    EXPECT_EQ(quiz->audioPlayer()->path(), voiceOf(quiz.get(), 0));
    EXPECT_TRUE(quiz->audioPlayer()->usesNullOutput());

    clock.advance(600);
    EXPECT_NEAR(quiz->audioPlayer()->currentTime(), 0.6, 0.05);
    emit quiz->loudspeakerButton()->touchUpInside(quiz->loudspeakerButton());
    EXPECT_TRUE(quiz->audioPlayer()->isPlaying());
    EXPECT_LT(quiz->audioPlayer()->currentTime(), 0.05) << "the voice starts again from the beginning";

    // Submitting stops the voice at once; the next question's voice follows 1.5 s later.
    clock.advance(300);
    quiz->submitAction(quiz->submitBtn());
    EXPECT_FALSE(quiz->audioPlayer()->isPlaying());
    clock.advance(1499);
    EXPECT_FALSE(quiz->audioPlayer()->isPlaying());
    clock.advance(1);
    EXPECT_TRUE(quiz->audioPlayer()->isPlaying());
    EXPECT_EQ(quiz->audioPlayer()->path(), voiceOf(quiz.get(), 1));
}

TEST_F(ChoiceQuizTest, QuickSubmitsEachLeaveAPendingStartThatPlaysTheCurrentQuestionUntilTheQuizEnds)
{
    auto quiz = makeQuiz<Listen2SelectVC>();
    clock.advance(500);
    quiz->submitAction(nullptr);  // now question 1
    clock.advance(500);
    quiz->submitAction(nullptr);  // now question 2
    EXPECT_EQ(quiz->pendingAutoPlayCount(), 3);
    // Every start makes a new player.
    QStringList started;
    QPointer<AudioPlayer> last;
    auto note = [&]() {
        if (quiz->audioPlayer() && quiz->audioPlayer() != last.data()) {
            last = quiz->audioPlayer();
            EXPECT_TRUE(last->isPlaying());
            started << last->path();
        }
    };
    for (int step = 0; step < 30; ++step) {
        clock.advance(100);
        note();
    }
    // Question 0's start fired at 1.5 s, question 1's at 2.0 s, question 2's at 2.5 s: all
    // play the question current then, question 2.
    EXPECT_EQ(started, QStringList(3, voiceOf(quiz.get(), 2)));
    EXPECT_EQ(quiz->pendingAutoPlayCount(), 0);

    // The end of the quiz cancels what is pending and stops the voice.
    while (quiz->currIndex() < 9)
        quiz->submitAction(nullptr);
    clock.advance(1600);
    ASSERT_TRUE(quiz->audioPlayer()->isPlaying());
    EXPECT_EQ(quiz->audioPlayer()->path(), voiceOf(quiz.get(), 9));
    quiz->submitAction(nullptr);
    quiz->submitAction(nullptr);
    EXPECT_TRUE(quiz->isOver());
    EXPECT_EQ(quiz->pendingAutoPlayCount(), 0);
    EXPECT_FALSE(quiz->audioPlayer()->isPlaying());
    EXPECT_TRUE(!quiz->loudspeakerButton() || !quiz->loudspeakerButton()->isVisible());
    clock.advance(3000);
    EXPECT_FALSE(quiz->audioPlayer()->isPlaying());
    EXPECT_NE(quiz->resultTable(), nullptr);
    EXPECT_EQ(quizCount(), 1);
}
