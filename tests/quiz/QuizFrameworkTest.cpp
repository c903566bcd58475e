// The quiz framework: grading, the count-down, the score label, options, draws and the
// learner record.
#include "QuizFixture.h"

#include "app/AppFixture.h"
#include "content/AnswerText.h"
#include "platform/media/AudioPlayer.h"
#include "platform/ui/AttributedLabel.h"
#include "platform/ui/Label.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/ViewSupport.h"
#include "quiz/Listen2SelectVC.h"
#include "quiz/Listen2WriteVC.h"
#include "quiz/OptionBtn.h"
#include "quiz/Word2WordVC.h"
#include "support/TestSupport.h"

#include <QSet>

namespace {
using QuizFrameworkTest = QuizFixture;

PhraseInfoPtr phraseWithText(const QString &id, const QString &text)
{
    auto phrase = std::make_shared<PhraseInfo>();
    phrase->id = id;
    phrase->content = text;
    return phrase;
}

// Answers question currIndex of a choice quiz: the right option or a wrong one.
void choose(BaseQuizViewController *quiz, bool right)
{
    const QString expected = quiz->phraseInfos().at(quiz->currIndex())->foreignText();
    for (OptionBtn *option : quiz->optionButtons()) {
        const bool isRight = quiz->currOptions().at(ViewSupport::tag(option))->foreignText() == expected;
        if (isRight == right) {
            quiz->selectOption(option);
            return;
        }
    }
    ADD_FAILURE() << "no option of that kind";
}
}

TEST_F(QuizFrameworkTest, AnswersMatchInAnyLetterCaseAndAccentFormButNotWithOtherSpacesOrPunctuation)
{
    EXPECT_TRUE(AnswerText::matches(QStringLiteral("WHERE IS the station?"), QStringLiteral("Where is the station?")));
    EXPECT_TRUE(AnswerText::matches(QStringLiteral("Caf\u00e9"), QStringLiteral("cafe\u0301")));
    EXPECT_TRUE(AnswerText::matches(QStringLiteral("\u00c9T\u00c9"), QStringLiteral("e\u0301te\u0301")));
    EXPECT_FALSE(AnswerText::matches(QStringLiteral("Cafe"), QStringLiteral("Caf\u00e9")));
    EXPECT_FALSE(AnswerText::matches(QStringLiteral("Where is the station? "), QStringLiteral("Where is the station?")));
    EXPECT_FALSE(AnswerText::matches(QStringLiteral(" Where is the station?"), QStringLiteral("Where is the station?")));
    EXPECT_FALSE(AnswerText::matches(QStringLiteral("Where is the station"), QStringLiteral("Where is the station?")));
    EXPECT_FALSE(AnswerText::matches(QStringLiteral("Where is the station,"), QStringLiteral("Where is the station?")));
    EXPECT_FALSE(AnswerText::matches(QString(), QStringLiteral("Hello.")));

    // Through a quiz: the typed text of each question is graded that way, 10 points each.
    auto quiz = makeQuiz<Listen2WriteVC>();
    const QString first = quiz->phraseInfos().at(0)->foreignText();
    quiz->textField()->setText(first.toUpper());
    quiz->submitAction(nullptr);
    EXPECT_EQ(quiz->score(), 10);
    quiz->textField()->setText(quiz->phraseInfos().at(1)->foreignText() + QLatin1Char(' '));
    quiz->submitAction(nullptr);
    EXPECT_EQ(quiz->score(), 10);
    quiz->textField()->setText(quiz->phraseInfos().at(2)->foreignText().chopped(1));
    quiz->submitAction(nullptr);
    EXPECT_EQ(quiz->score(), 10);
    EXPECT_EQ(quiz->progress(), 3);
    EXPECT_EQ(quiz->inputPhraseInfos().at(0)->foreignText(), first.toUpper());
}

TEST_F(QuizFrameworkTest, TheCountDownShowsEachWholeSecondAndEndsTheQuizOnTheTickThatReachesZero)
{
    // With no stored limit a quiz runs 60 s; the label first shows 00:59 after one second.
    auto quiz = std::make_unique<Word2WordVC>();
    quiz->configQuiz(10, QStringLiteral("Quiz"), nullptr, float(AppCommon::testDuration()));
    EXPECT_FLOAT_EQ(quiz->limitedTime(), 60.0f);
    quiz->view();
    ASSERT_TRUE(quiz->isCountingDown());
    clock.advance(900);
    EXPECT_EQ(quiz->limitedTimeLbl()->text(), QString());
    clock.advance(100);
    EXPECT_EQ(quiz->limitedTimeLbl()->text(), QStringLiteral("00:59"));
    clock.advance(500);
    EXPECT_EQ(quiz->limitedTimeLbl()->text(), QStringLiteral("00:59"));
    clock.advance(500);
    EXPECT_EQ(quiz->limitedTimeLbl()->text(), QStringLiteral("00:58"));

    // A 10-second quiz: three answers, then the time runs out on its hundredth tick.
    auto timed = makeQuiz<Word2WordVC>(nullptr, 10.0f);
    choose(timed.get(), true);
    timed->submitAction(nullptr);
    choose(timed.get(), false);
    timed->submitAction(nullptr);
    choose(timed.get(), true);
    timed->submitAction(nullptr);
    choose(timed.get(), true);  // chosen, never submitted
    clock.advance(9900);
    EXPECT_FALSE(timed->isOver());
    EXPECT_EQ(timed->limitedTimeLbl()->text(), QStringLiteral("00:00"));
    EXPECT_EQ(timed->quizStatusLbl()->text(), QString());
    clock.advance(100);
    EXPECT_TRUE(timed->isOver());
    EXPECT_LE(timed->limitedTime(), 0.0f);
    EXPECT_FALSE(timed->isCountingDown());
    EXPECT_EQ(timed->quizStatusLbl()->text(), QStringLiteral("Over"));
    EXPECT_EQ(timed->progress(), 3);
    for (int i = 3; i < 10; ++i)
        EXPECT_EQ(timed->inputPhraseInfos().at(i)->foreignText(), QString()) << i;
    EXPECT_EQ(quizCount(), 1);
    EXPECT_EQ(quizTotalScore(), 20);
}

TEST_F(QuizFrameworkTest, ScoreDigitsAreGreenFromEightyOfAHundredOrangeFromFiftyAndRedBelow)
{
    const QColor green(46, 139, 87), orange(199, 97, 20), red(176, 23, 31);
    EXPECT_EQ(BaseQuizViewController::scoreColor(80, 100), green);
    EXPECT_EQ(BaseQuizViewController::scoreColor(79, 100), orange);
    EXPECT_EQ(BaseQuizViewController::scoreColor(50, 100), orange);
    EXPECT_EQ(BaseQuizViewController::scoreColor(40, 100), red);
    EXPECT_EQ(BaseQuizViewController::scoreColor(0, 0), red);

    auto quiz = makeQuiz<Word2WordVC>();
    AttributedLabel *label = quiz->scoreLbl();
    EXPECT_EQ(label->text(), QStringLiteral("Score: 0/100"));
    EXPECT_EQ(quiz->progressLbl()->text(), QStringLiteral("Progress: 0/10"));
    const bool answers[] = {true, true, true, true, false, true, true, true, true, false};
    for (bool right : answers) {
        choose(quiz.get(), right);
        quiz->submitAction(nullptr);
    }
    EXPECT_EQ(label->text(), QStringLiteral("Score: 80/100"));
    ASSERT_TRUE(label->textRun());
    EXPECT_EQ(label->text().mid(label->textRun()->start, label->textRun()->length), QStringLiteral("80"));
    EXPECT_EQ(label->textRun()->color, green);
    EXPECT_EQ(label->colorAt(label->text().indexOf(QLatin1Char('/'))), QColor(239, 239, 239));
    EXPECT_EQ(quiz->progressLbl()->text(), QStringLiteral("Progress: 10/10"));
}

TEST_F(QuizFrameworkTest, OptionsStayAsDrawnWhenOneHasTheQuestionsTextElseTheQuestionTakesTheDrawnPlace)
{
    const PhraseInfoPtr question = phraseWithText(QStringLiteral("1"), QStringLiteral("Good morning."));
    const PhraseInfoPtr twin = phraseWithText(QStringLiteral("2"), QStringLiteral("Good morning."));
    const QList<PhraseInfoPtr> others{phraseWithText(QStringLiteral("3"), QStringLiteral("Hello.")),
                                      phraseWithText(QStringLiteral("4"), QStringLiteral("Thanks.")),
                                      phraseWithText(QStringLiteral("5"), QStringLiteral("Bye."))};
    // A drawn phrase of the same text: nothing is replaced, the right option stays at 2.
    const QList<PhraseInfoPtr> withTwin{others.at(0), others.at(1), twin, others.at(2)};
    EXPECT_EQ(BaseQuizViewController::placeQuestion(withTwin, question, 0), withTwin);
    // Without it, the question replaces the option at the random position.
    const QList<PhraseInfoPtr> without{others.at(0), others.at(1), phraseWithText(QStringLiteral("6"), QStringLiteral("Yes.")),
                                       others.at(2)};
    const QList<PhraseInfoPtr> placed = BaseQuizViewController::placeQuestion(without, question, 1);
    EXPECT_EQ(placed, (QList<PhraseInfoPtr>{others.at(0), question, without.at(2), others.at(2)}));

    // In a quiz: four distinct options showing the foreign texts, one of them the question's.
    auto quiz = makeQuiz<Listen2SelectVC>(category(QStringLiteral("2")));
    for (int i = 0; i < 5; ++i) {
        const QList<PhraseInfoPtr> options = quiz->currOptions();
        ASSERT_EQ(options.size(), 4);
        EXPECT_EQ(QSet<PhraseInfoPtr>(options.begin(), options.end()).size(), 4);
        int matching = 0;
        for (int k = 0; k < 4; ++k) {
            matching += options.at(k)->content == quiz->phraseInfos().at(i)->content;
            EXPECT_EQ(options.at(k)->categoryId, std::optional<QString>(QStringLiteral("2")));
            EXPECT_EQ(quiz->optionButtons().at(k)->title(), options.at(k)->foreignText());
        }
        EXPECT_EQ(matching, 1);
        quiz->submitAction(nullptr);
    }
}

TEST_F(QuizFrameworkTest, ChoosingMarksOneOptionAndTheLastChoiceBeforeSubmitCounts)
{
    auto quiz = makeQuiz<Word2WordVC>();
    const QList<OptionBtn *> options = quiz->optionButtons();
    ASSERT_EQ(options.size(), 4);
    quiz->selectOption(options.at(0));
    quiz->selectOption(options.at(2));
    EXPECT_EQ(options.at(0)->backgroundColor(), quiz->optionBgColor());
    EXPECT_EQ(options.at(2)->backgroundColor(), QColor(255, 128, 0));
    EXPECT_EQ(quiz->inputPhraseInfos().at(0), quiz->currOptions().at(2)) << "the record is the option itself";
    quiz->submitAction(nullptr);
    // The next question clears the mark; submitting without a choice keeps the blank record.
    for (OptionBtn *option : options)
        EXPECT_EQ(option->backgroundColor(), quiz->optionBgColor());
    const int before = quiz->score();
    quiz->submitAction(nullptr);
    EXPECT_EQ(quiz->score(), before);
    EXPECT_EQ(quiz->inputPhraseInfos().at(1)->foreignText(), QString());
    EXPECT_EQ(quiz->inputPhraseInfos().at(1)->indexInCategory, -1);
}

TEST_F(QuizFrameworkTest, ASmallCategoryIsToppedUpFromTheCatalogueAndASmallCatalogueAsksEachPhraseOnce)
{
    const QString root = TestSupport::freshDirectory(QStringLiteral("small"));
    AppCommon::resetCatalogue(AppFixture::writeBundle(root, 6));  // two phrases per category
    ASSERT_TRUE(AppCommon::preloadCatalogue());
    const CategoryInfoPtr first = category(QStringLiteral("1"));
    for (int round = 0; round < 5; ++round) {
        const QList<PhraseInfoPtr> drawn = BaseQuizViewController::drawPhrases(first, 10);
        ASSERT_EQ(drawn.size(), 10);
        EXPECT_EQ(QSet<PhraseInfoPtr>(drawn.begin(), drawn.end()).size(), 10);
        for (const PhraseInfoPtr &own : *first->phraseInfoList)
            EXPECT_TRUE(drawn.contains(own));
        const QList<PhraseInfoPtr> options = BaseQuizViewController::drawPhrases(first, 4);
        EXPECT_EQ(QSet<PhraseInfoPtr>(options.begin(), options.end()).size(), 4);
    }
    auto quiz = makeQuiz<Word2WordVC>(first);
    EXPECT_EQ(quiz->itemsCount(), 10);
    EXPECT_EQ(quiz->currOptions().size(), 4);

    AppCommon::resetCatalogue(AppFixture::writeBundle(TestSupport::freshDirectory(QStringLiteral("smaller")), 3));
    ASSERT_TRUE(AppCommon::preloadCatalogue());
    auto small = makeQuiz<Word2WordVC>();
    EXPECT_EQ(small->itemsCount(), 6);
    EXPECT_EQ(small->inputPhraseInfos().size(), 6);
    EXPECT_EQ(small->progressLbl()->text(), QStringLiteral("Progress: 0/6"));
    for (int i = 0; i < 6; ++i) {
        choose(small.get(), true);
        small->submitAction(nullptr);
    }
    EXPECT_TRUE(small->isOver());
    EXPECT_EQ(quizTotalScore(), 60);
}

TEST_F(QuizFrameworkTest, AFinishedQuizCountsOnceAndAQuizLeftBeforeItsEndCountsNothing)
{
    auto quiz = makeQuiz<Word2WordVC>();
    for (int i = 0; i < 10; ++i) {
        choose(quiz.get(), i % 3 != 0);
        quiz->submitAction(nullptr);
    }
    EXPECT_TRUE(quiz->isOver());
    EXPECT_EQ(quizCount(), 1);
    EXPECT_EQ(quizTotalScore(), 60);
    // Nothing after the end adds to it: more submits, more ticks.
    quiz->submitAction(nullptr);
    clock.advance(70000);
    EXPECT_EQ(quizCount(), 1);
    EXPECT_EQ(quizTotalScore(), 60);
    EXPECT_EQ(quiz->progress(), 10);

    // Left with the back button after two answers: no record, no tick, no voice into the
    // closed screen (still alive until its deferred deletion).
    auto root = std::make_unique<BaseViewController>();
    NavigationController navigation(std::move(root));
    navigation.view();
    auto listening = std::make_unique<Listen2SelectVC>();
    listening->configQuiz(10, QStringLiteral("Quiz"), nullptr, 60.0f);
    QPointer<Listen2SelectVC> left = listening.get();
    navigation.pushViewController(std::move(listening), false);
    clock.advance(1600);
    ASSERT_NE(left->audioPlayer(), nullptr);
    choose(left, true);
    left->submitAction(nullptr);
    left->submitAction(nullptr);
    EXPECT_EQ(left->pendingAutoPlayCount(), 2);
    const QString playedBefore = left->audioPlayer()->path();
    navigation.popViewControllerAnimated(false);
    ASSERT_FALSE(left.isNull());
    EXPECT_EQ(left->pendingAutoPlayCount(), 0);
    EXPECT_FALSE(left->isCountingDown());
    EXPECT_FALSE(left->audioPlayer()->isPlaying());
    clock.advance(65000);
    EXPECT_EQ(left->audioPlayer()->path(), playedBefore) << "no voice started after leaving";
    EXPECT_FALSE(left->isOver());
    EXPECT_EQ(quizCount(), 1);
    EXPECT_EQ(quizTotalScore(), 60);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(left.isNull());
    clock.advance(5000);
}
