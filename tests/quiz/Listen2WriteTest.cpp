// The listen-and-write quiz: the field, Done submitting like Submit, the voice, time running
// out while typing, and the result rows of typed answers.
#include "QuizFixture.h"

#include "platform/media/AudioPlayer.h"
#include "platform/ui/Button.h"
#include "platform/ui/Label.h"
#include "platform/ui/TableViewCell.h"
#include "platform/ui/TextField.h"
#include "platform/ui/ViewSupport.h"
#include "quiz/CommonResultCellView.h"
#include "quiz/Listen2WriteVC.h"

#include <QTest>

namespace {
using Listen2WriteTest = QuizFixture;
}

TEST_F(Listen2WriteTest, TheFieldTakesTheKeyboardAtOnceAndDoneSubmitsLikeSubmit)
{
    auto quiz = makeQuiz<Listen2WriteVC>();
    TextField *field = quiz->textField();
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(ViewSupport::frame(field), QRectF(18.75, 196, 337.5, 40));
    EXPECT_TRUE(field->isFirstResponder());
    EXPECT_EQ(field->delegate(), quiz.get());
    EXPECT_EQ(field->returnKeyType(), TextField::ReturnKeyType::Done);
    EXPECT_EQ(field->borderWidth(), 2.0);

    // The first voice 1.5 s after the screen appears.
    clock.advance(1500);
    ASSERT_NE(quiz->audioPlayer(), nullptr);
    EXPECT_EQ(quiz->audioPlayer()->path(), AppCommon::getVoicePath(*quiz->phraseInfos().at(0)));

    // Done: the voice stops, the answer is graded and stored, the field is emptied and keeps
    // the keyboard for the next answer.
    const QString first = quiz->phraseInfos().at(0)->foreignText();
    QTest::keyClicks(field, first.toLower());
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_FALSE(quiz->audioPlayer()->isPlaying());
    EXPECT_EQ(quiz->score(), 10);
    EXPECT_EQ(quiz->currIndex(), 1);
    EXPECT_EQ(quiz->inputPhraseInfos().at(0)->foreignText(), first.toLower());
    EXPECT_EQ(quiz->inputPhraseInfos().at(0)->trans.value(QStringLiteral("en")), first.toLower());
    EXPECT_EQ(field->text(), QString());
    EXPECT_TRUE(field->isFirstResponder());

    // Submit does the same; an extra space costs the points.
    field->setText(quiz->phraseInfos().at(1)->foreignText() + QLatin1Char(' '));
    emit quiz->submitBtn()->touchUpInside(quiz->submitBtn());
    EXPECT_EQ(quiz->score(), 10);
    EXPECT_EQ(quiz->currIndex(), 2);
    EXPECT_TRUE(field->isFirstResponder());
    // The catalogue's phrases are untouched by the answers.
    EXPECT_EQ(quiz->phraseInfos().at(0)->foreignText(), first);

    // A tap elsewhere on the screen hides the keyboard; nothing is submitted.
    quiz->dismissKeyboard(nullptr);
    EXPECT_FALSE(field->isFirstResponder());
    EXPECT_EQ(quiz->progress(), 2);
}

TEST_F(Listen2WriteTest, TextBeingTypedWhenTheTimeRunsOutIsNotStoredAndEmptyAnswersShowADashInRed)
{
    auto quiz = makeQuiz<Listen2WriteVC>(nullptr, 10.0f);
    quiz->textField()->setText(quiz->phraseInfos().at(0)->foreignText());
    quiz->submitAction(nullptr);
    quiz->submitAction(nullptr);  // nothing typed
    quiz->textField()->setText(QStringLiteral("half a sen"));
    clock.advance(10000);
    ASSERT_TRUE(quiz->isOver());
    EXPECT_EQ(quiz->inputPhraseInfos().at(2)->foreignText(), QString());
    EXPECT_EQ(quiz->textField(), nullptr);
    EXPECT_EQ(quiz->loudspeakerButton() && quiz->loudspeakerButton()->isVisible(), false);
    EXPECT_EQ(quizTotalScore(), 10);

    ASSERT_NE(quiz->resultTable(), nullptr);
    auto row = [&quiz](int index) {
        return quiz->resultTable()->cellForRowAtIndexPath({0, index})->contentView()->findChild<CommonResultCellView *>();
    };
    EXPECT_EQ(row(0)->srcTextLbl()->text(), quiz->phraseInfos().at(0)->translationText());
    EXPECT_EQ(row(0)->rightTextLbl()->text(), quiz->phraseInfos().at(0)->foreignText());
    EXPECT_EQ(row(0)->testTextLbl()->text(), quiz->phraseInfos().at(0)->foreignText());
    EXPECT_EQ(row(0)->testTextLbl()->textColor(), QColor(46, 139, 87));
    for (int index : {1, 2, 9}) {
        EXPECT_EQ(row(index)->testTextLbl()->text(), QStringLiteral("-")) << index;
        EXPECT_EQ(row(index)->testTextLbl()->textColor(), QColor(178, 34, 34)) << index;
    }
    // Nothing is pending or playing once the quiz is over.
    EXPECT_EQ(quiz->pendingAutoPlayCount(), 0);
    clock.advance(2000);
    EXPECT_TRUE(!quiz->audioPlayer() || !quiz->audioPlayer()->isPlaying());
}
