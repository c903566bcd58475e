// The result table of the choice quizzes: placement, row height, the rows of both matching
// directions, and replaying a row's voice.
#include "QuizFixture.h"

#include "app/AppFixture.h"
#include "platform/media/AudioPlayer.h"
#include "platform/ui/Label.h"
#include "platform/ui/TableViewCell.h"
#include "platform/ui/ViewSupport.h"
#include "quiz/CommonResultCellView.h"
#include "quiz/OptionBtn.h"
#include "quiz/Word2WordVC.h"
#include "support/TestSupport.h"

namespace {
using QuizResultTest = QuizFixture;

const QColor kGreen(46, 139, 87);
const QColor kRed(178, 34, 34);

// Plays a matching quiz to its end: question i right when i is even, wrong when i is odd,
// except question 9, which is submitted without a choice.
void playThrough(Word2WordVC *quiz)
{
    while (!quiz->isOver()) {
        const int index = quiz->currIndex();
        const QString expected = quiz->phraseInfos().at(index)->foreignText();
        if (index < 9) {
            for (OptionBtn *option : quiz->optionButtons()) {
                const bool right = quiz->currOptions().at(ViewSupport::tag(option))->foreignText() == expected;
                if (right == (index % 2 == 0)) {
                    quiz->selectOption(option);
                    break;
                }
            }
        }
        quiz->submitAction(quiz->submitBtn());
    }
}

CommonResultCellView *resultRow(BaseQuizViewController *quiz, int row)
{
    TableViewCell *cell = quiz->resultTable()->cellForRowAtIndexPath({0, row});
    return cell ? cell->contentView()->findChild<CommonResultCellView *>() : nullptr;
}
}

TEST_F(QuizResultTest, ForeignToMotherRowsShowTheForeignTextTheTranslationAndTheChosenTranslation)
{
    auto quiz = std::make_unique<Word2WordVC>();
    quiz->setForeign2Mother(true);
    quiz->configQuiz(10, QStringLiteral("Quiz"), nullptr, 60.0f);
    quiz->view();
    const PhraseInfoPtr first = quiz->phraseInfos().at(0);
    EXPECT_EQ(quiz->currText()->text(), first->foreignText());
    for (OptionBtn *option : quiz->optionButtons())
        EXPECT_EQ(option->title(), quiz->currOptions().at(ViewSupport::tag(option))->translationText());
    playThrough(quiz.get());
    ASSERT_NE(quiz->resultTable(), nullptr);
    EXPECT_EQ(quiz->score(), 50);

    // Placement: below the status panel, its margins, down to the usable height; rows of at
    // least 100 points for a French learner, so ten rows scroll on this screen.
    const QRectF panel = ViewSupport::frame(quiz->quizInfoView());
    const QRectF table = ViewSupport::frame(quiz->resultTable());
    EXPECT_EQ(table, QRectF(10, panel.bottom() + 10, 355, 667 - panel.bottom() - 10));
    EXPECT_EQ(quiz->resultRowH(), 100.0);
    EXPECT_EQ(quiz->resultTable()->contentSize().height(), 1000.0);
    EXPECT_EQ(quiz->resultTable()->numberOfRowsInSection(0), 10);
    EXPECT_EQ(quiz->currText(), nullptr);
    EXPECT_EQ(quiz->submitBtn(), nullptr);

    for (int i = 0; i < 10; ++i) {
        CommonResultCellView *row = resultRow(quiz.get(), i);
        ASSERT_NE(row, nullptr) << i;
        const PhraseInfoPtr question = quiz->phraseInfos().at(i);
        EXPECT_EQ(ViewSupport::tag(quiz->resultTable()->cellForRowAtIndexPath({0, i})), i);
        EXPECT_EQ(ViewSupport::frame(row), QRectF(0, 0, 355, 100));
        EXPECT_EQ(ViewSupport::frame(row->testTextLbl()), QRectF(0, 200.0 / 3, 355, 100.0 / 3));
        EXPECT_EQ(row->srcTextLbl()->text(), question->foreignText()) << i;
        EXPECT_EQ(row->rightTextLbl()->text(), question->translationText()) << i;
        EXPECT_TRUE(row->srcTextLbl()->isVisibleTo(row));
        if (i == 9) {
            EXPECT_EQ(row->testTextLbl()->text(), QStringLiteral("-"));
            EXPECT_EQ(row->testTextLbl()->textColor(), kRed);
        } else {
            EXPECT_EQ(row->testTextLbl()->text(), quiz->inputPhraseInfos().at(i)->translationText()) << i;
            EXPECT_EQ(row->testTextLbl()->textColor(), i % 2 == 0 ? kGreen : kRed) << i;
        }
    }
}

TEST_F(QuizResultTest, MotherToForeignRowsOnATallScreenShrinkToTheirRowsAndSitCentred)
{
    AppCommon::setLanguageOverride(QStringLiteral("en"));
    useDevice(QSizeF(768, 1024));
    auto quiz = makeQuiz<Word2WordVC>();
    EXPECT_EQ(quiz->currText()->text(), quiz->phraseInfos().at(0)->translationText());
    playThrough(quiz.get());

    const QRectF panel = ViewSupport::frame(quiz->quizInfoView());
    const qreal space = 1024 - panel.bottom() - 10;
    const qreal rowHeight = space / 11;  // above the 80-point minimum of a content-language learner
    ASSERT_GT(rowHeight, 80.0);
    EXPECT_DOUBLE_EQ(quiz->resultRowH(), rowHeight);
    const QRectF table = ViewSupport::frame(quiz->resultTable());
    EXPECT_DOUBLE_EQ(table.height(), 10 * rowHeight);
    EXPECT_DOUBLE_EQ(table.top(), panel.bottom() + 10 + rowHeight / 2);
    EXPECT_EQ(table.left(), 10.0);
    EXPECT_EQ(table.width(), 748.0);
    EXPECT_EQ(quiz->resultTable()->maximumContentOffset().y(), 0.0);

    for (int i = 0; i < 10; ++i) {
        CommonResultCellView *row = resultRow(quiz.get(), i);
        const PhraseInfoPtr question = quiz->phraseInfos().at(i);
        EXPECT_FALSE(row->srcTextLbl()->isVisibleTo(row)) << "the learner's language is the content language";
        EXPECT_EQ(row->rightTextLbl()->text(), question->foreignText());
        if (i < 9) {
            EXPECT_EQ(row->testTextLbl()->text(), quiz->inputPhraseInfos().at(i)->foreignText());
        }
        EXPECT_EQ(row->testTextLbl()->textColor(), i % 2 == 0 && i < 9 ? kGreen : kRed) << i;
    }
}

TEST_F(QuizResultTest, ATappedRowPlaysItsVoiceAndStaysMarkedUntilTheVoiceEnds)
{
    auto quiz = makeQuiz<Word2WordVC>();
    playThrough(quiz.get());
    TableView *table = quiz->resultTable();
    TableViewCell *first = table->cellForRowAtIndexPath({0, 0});
    TableViewCell *second = table->cellForRowAtIndexPath({0, 1});

    table->selectRowAtIndexPath({0, 0});
    quiz->didSelectRowAtIndexPath(table, {0, 0});
    ASSERT_NE(quiz->audioPlayer(), nullptr);
    EXPECT_EQ(quiz->audioPlayer()->path(), AppCommon::getVoicePath(*quiz->phraseInfos().at(0)));
    EXPECT_TRUE(quiz->audioPlayer()->usesNullOutput());
    EXPECT_EQ(first->backgroundColor(), QColor(210, 105, 30));

    // Another row: the first gets its colour back at once.
    clock.advance(200);
    quiz->didSelectRowAtIndexPath(table, {0, 1});
    EXPECT_EQ(first->backgroundColor(), QColor(Qt::white));
    EXPECT_EQ(second->backgroundColor(), QColor(210, 105, 30));
    EXPECT_EQ(quiz->audioPlayer()->path(), AppCommon::getVoicePath(*quiz->phraseInfos().at(1)));
    const double seconds = quiz->audioPlayer()->duration();
    clock.advance(qint64(seconds * 1000) - 100);
    EXPECT_EQ(second->backgroundColor(), QColor(210, 105, 30));
    clock.advance(300);
    QCoreApplication::processEvents();
    EXPECT_EQ(second->backgroundColor(), QColor(Qt::white));
    EXPECT_EQ(quiz->currPlayItemView(), nullptr);
}

TEST_F(QuizResultTest, ARowWhoseVoiceCannotBeOpenedPlaysNothingAndKeepsItsColour)
{
    // A catalogue without voice files.
    AppCommon::resetCatalogue(AppFixture::writeBundle(TestSupport::freshDirectory(QStringLiteral("mute")), 6));
    ASSERT_TRUE(AppCommon::preloadCatalogue());
    auto quiz = makeQuiz<Word2WordVC>();
    playThrough(quiz.get());
    TableViewCell *row = quiz->resultTable()->cellForRowAtIndexPath({0, 3});
    quiz->didSelectRowAtIndexPath(quiz->resultTable(), {0, 3});
    EXPECT_EQ(quiz->audioPlayer(), nullptr);
    EXPECT_EQ(row->backgroundColor(), QColor(Qt::white));
    EXPECT_EQ(quiz->currPlayItemView(), nullptr);
}
