// The quiz chooser: its buttons for both kinds of learner, starting a quiz, the screens that
// open it, and the --tour pictures of the quizzes.
#include "QuizFixture.h"

#include "app/AppFixture.h"
#include "app/CategoryController.h"
#include "app/MainViewController.h"
#include "app/ScreenFactory.h"
#include "platform/ui/Button.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/ViewSupport.h"
#include "quiz/QuizOutlineVC.h"
#include "quiz/QuizScreens.h"
#include "quiz/Phrase2SpeakVC.h"
#include "quiz/Word2WordVC.h"
#include "quiz/WordOrderAdjustVC.h"
#include "support/TestSupport.h"

#include <QImage>
#include <QTest>

namespace {
class QuizOutlineTest : public QuizFixture
{
protected:
    void TearDown() override
    {
        ScreenFactory::setQuizOutlineMaker({});
        QuizFixture::TearDown();
    }
    static std::unique_ptr<QuizOutlineVC> outline(const CategoryInfoPtr &category)
    {
        auto screen = std::make_unique<QuizOutlineVC>();
        screen->setCategoryInfo(category);
        screen->view();
        return screen;
    }
    static Button *buttonWithTag(QuizOutlineVC *screen, int tag)
    {
        for (Button *button : screen->quizButtons()) {
            if (ViewSupport::tag(button) == tag)
                return button;
        }
        return nullptr;
    }
};
}

TEST_F(QuizOutlineTest, OtherLearnersGetSixButtonsAndContentLanguageLearnersFourTallerOnes)
{
    auto french = outline(nullptr);
    EXPECT_EQ(french->titleText(), QStringLiteral("Quizzes"));
    const QRectF container = ViewSupport::frame(french->buttonContainer());
    EXPECT_EQ(container, QRectF(0, 64, 375, 603));
    const QList<Button *> six = french->quizButtons();
    ASSERT_EQ(six.size(), 6);
    const qreal h6 = 603 / (6 + 5 * 0.25 + 1);
    const QStringList titles{"Listen And Select", "Listen And Write", "Reorder Words", "Read Phrase",
                             "Foreign Language -> Mother Language", "Mother Language -> Foreign Language"};
    for (int i = 0; i < 6; ++i) {
        const QRectF frame = ViewSupport::frame(six.at(i));
        EXPECT_DOUBLE_EQ(frame.height(), h6);
        EXPECT_DOUBLE_EQ(frame.top(), h6 / 2 + i * 1.25 * h6);
        EXPECT_DOUBLE_EQ(frame.width(), 0.9 * 375);
        EXPECT_DOUBLE_EQ(frame.left(), 0.05 * 375);
        EXPECT_EQ(ViewSupport::tag(six.at(i)), i + 1);
        EXPECT_EQ(six.at(i)->title(), titles.at(i));
        EXPECT_EQ(six.at(i)->titleFont().pixelSize(), qRound(0.35 * h6));
    }
    EXPECT_NEAR(ViewSupport::frame(six.last()).bottom() + h6 / 2, 603, 1e-6);
    for (Button *button : six)
        EXPECT_TRUE(button->isEnabled()) << ViewSupport::tag(button);

    AppCommon::setLanguageOverride(QStringLiteral("en"));
    auto english = outline(category(QStringLiteral("3")));
    EXPECT_EQ(english->titleText(), QStringLiteral("Unit Quiz"));
    const QList<Button *> four = english->quizButtons();
    ASSERT_EQ(four.size(), 4);
    const qreal h4 = 603 / (4 + 3 * 0.25 + 1);
    EXPECT_DOUBLE_EQ(ViewSupport::frame(four.first()).height(), h4);
    EXPECT_GT(h4, h6);
    EXPECT_EQ(ViewSupport::tag(four.last()), 4);
}

TEST_F(QuizOutlineTest, AButtonStartsItsQuizTitledLikeItForTheChoosersCategoryAndTimeLimit)
{
    Preferences::setValue(QString::fromLatin1(AppCommon::kTestDurationKey), 90.0);
    const CategoryInfoPtr travel = category(QStringLiteral("2"));
    auto root = outline(travel);
    QuizOutlineVC *chooser = root.get();
    NavigationController navigation(std::move(root));
    navigation.view();

    Button *matching = buttonWithTag(chooser, 5);
    chooser->quizClicked(matching);
    navigation.finishTransition();
    auto *quiz = qobject_cast<Word2WordVC *>(navigation.topViewController());
    ASSERT_NE(quiz, nullptr);
    EXPECT_TRUE(quiz->foreign2Mother());
    EXPECT_EQ(quiz->titleText(), matching->title());
    EXPECT_EQ(quiz->categoryInfo(), travel);
    EXPECT_EQ(quiz->itemsCount(), 10);
    EXPECT_FLOAT_EQ(quiz->limitedTime(), 90.0f);
    for (const PhraseInfoPtr &phrase : quiz->phraseInfos())
        EXPECT_EQ(phrase->categoryId, std::optional<QString>(QStringLiteral("2")));
    EXPECT_EQ(chooser->hitPointForAnimateTransition(), std::optional<QPointF>(ViewSupport::centerInWindow(matching)));

    navigation.popViewControllerAnimated(false);
    chooser->quizClicked(buttonWithTag(chooser, 6));
    navigation.finishTransition();
    auto *reverse = qobject_cast<Word2WordVC *>(navigation.topViewController());
    ASSERT_NE(reverse, nullptr);
    EXPECT_FALSE(reverse->foreign2Mother());

    // Reordering words and reading phrases aloud.
    navigation.popViewControllerAnimated(false);
    chooser->quizClicked(buttonWithTag(chooser, 3));
    navigation.finishTransition();
    EXPECT_NE(qobject_cast<WordOrderAdjustVC *>(navigation.topViewController()), nullptr);
    navigation.popViewControllerAnimated(false);
    chooser->quizClicked(buttonWithTag(chooser, 4));
    navigation.finishTransition();
    auto *speaking = qobject_cast<Phrase2SpeakVC *>(navigation.topViewController());
    ASSERT_NE(speaking, nullptr);
    EXPECT_EQ(speaking->titleText(), QStringLiteral("Read Phrase"));
    Preferences::remove(QString::fromLatin1(AppCommon::kTestDurationKey));
}

TEST_F(QuizOutlineTest, TheMainAndCategoryScreensOpenTheChooserOnceItIsRegistered)
{
    QuizScreens::registerQuizOutline();
    auto main = std::make_unique<MainViewController>();
    MainViewController *home = main.get();
    NavigationController navigation(std::move(main));
    navigation.view();
    home->openQuizz(home->quizBtn());
    navigation.finishTransition();
    auto *whole = qobject_cast<QuizOutlineVC *>(navigation.topViewController());
    ASSERT_NE(whole, nullptr);
    EXPECT_EQ(whole->categoryInfo(), nullptr);
    navigation.popViewControllerAnimated(false);

    home->openCategory(home->categoryViews().at(1));
    navigation.finishTransition();
    auto *categoryScreen = qobject_cast<CategoryController *>(navigation.topViewController());
    ASSERT_NE(categoryScreen, nullptr);
    categoryScreen->openQuizz(categoryScreen->toolBar()->rightBtn());
    navigation.finishTransition();
    auto *unit = qobject_cast<QuizOutlineVC *>(navigation.topViewController());
    ASSERT_NE(unit, nullptr);
    EXPECT_EQ(unit->categoryInfo(), categoryScreen->categoryInfo());
    EXPECT_EQ(unit->titleText(), QStringLiteral("Unit Quiz"));
    QTest::qWait(20);  // the spinner thread of openCategory hands back and finishes
}

TEST_F(QuizOutlineTest, ACatalogueOfFewerThanFourPhrasesDisablesEveryQuiz)
{
    AppCommon::resetCatalogue(AppFixture::writeBundle(TestSupport::freshDirectory(QStringLiteral("tiny")), 1));
    ASSERT_TRUE(AppCommon::preloadCatalogue());
    auto screen = outline(nullptr);
    ASSERT_EQ(screen->quizButtons().size(), 6);
    for (Button *button : screen->quizButtons())
        EXPECT_FALSE(button->isEnabled()) << ViewSupport::tag(button);
    EXPECT_FALSE(screen->startQuiz(3, QStringLiteral("Reorder Words"), QPointF()));
}

// The application's --tour ends with the chooser, a quiz of each kind of this library, a
// finished quiz's result table, a dragged tile and a compared recording.
TEST(QuizTourRun, SavesThePicturesOfTheQuizScreens)
{
    const QString folder = TestSupport::freshDirectory(QStringLiteral("tour")) + QStringLiteral("/pictures");
    const QString program = QStringLiteral(PHRASEBOOK_BINARY_DIR "/bin/phrasebook");
    QString output;
    ASSERT_EQ(TestSupport::runProgram(program, {QStringLiteral("--tour"), folder, QStringLiteral("--language"),
                                                QStringLiteral("fr"), QStringLiteral("--device"), QStringLiteral("se")},
                                      &output, 120000),
              0)
        << qPrintable(output);
    QImage previous;
    for (const char *name : {"quiz-outline", "quiz-word2word", "quiz-listen-select", "quiz-listen-write", "quiz-result",
                             "quiz-reorder", "quiz-reorder-dragged", "quiz-speak", "quiz-speak-compare",
                             "quiz-speak-result"}) {
        const QImage picture(folder + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png"));
        EXPECT_EQ(picture.size(), QSize(320, 568)) << name;
        EXPECT_NE(picture, previous) << name;
        previous = picture;
    }
}
