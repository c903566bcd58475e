// The category screen with the installed sample catalogue, on a manual media clock: row
// layout, the content-language rule, the list player marking and revealing rows, leaving
// the screen, and the shared phrase index across a phrase card and back.
#include "AppFixture.h"
#include "support/AudioTestFixture.h"

#include "content/AppCommon.h"
#include "platform/media/AudioPlayer.h"
#include "app/BaseViewController.h"
#include "app/CategoryController.h"
#include "platform/ui/DeviceProfile.h"
#include "platform/ui/Label.h"
#include "platform/ui/NavigationController.h"
#include "app/PhraseInfoView.h"
#include "app/ScreenMetrics.h"
#include "platform/ui/ScrollView.h"
#include "platform/ui/ViewSupport.h"
#include "audio/ZQListPlayerBoxView.h"

#include <QImage>
#include <QTest>

namespace {
class CategoryScreenTest : public AudioTestFixture
{
protected:
    void SetUp() override
    {
        AudioTestFixture::SetUp();
        AppCommon::resetCatalogue();
        ASSERT_TRUE(AppCommon::preloadCatalogue()) << qPrintable(AppCommon::catalogueError());
        AppCommon::setLanguageOverride(QStringLiteral("en"));
        AppCommon::setPlaySpeed(1.0);
        useDevice(QSizeF(375, 667));
    }
    void TearDown() override
    {
        QTest::qWait(20);  // the spinner threads of openWordCard hand back and finish
        AppCommon::setLanguageOverride(QString());
        Screen::setDevice(DeviceProfile::defaultProfile());
        ScreenMetrics::reset();
        CategoryController::setPhraseCardMaker({});
        AudioTestFixture::TearDown();
    }
    static void useDevice(const QSizeF &size) { AppFixture::useScreenSize(size); }
    static std::unique_ptr<CategoryController> screenFor(const QString &categoryId)
    {
        auto screen = std::make_unique<CategoryController>();
        for (const CategoryInfoPtr &category : AppCommon::getCategoryInfoList()) {
            if (category->id == categoryId)
                screen->setCategoryInfo(category);
        }
        screen->setPhraseInfoList(AppCommon::getPhraseInfoList(categoryId));
        screen->view();  // builds it
        return screen;
    }
    // The screen of `categoryId` at the root of a navigation stack that has appeared.
    static std::unique_ptr<NavigationController> navigationFor(const QString &categoryId, CategoryController **screen)
    {
        auto root = screenFor(categoryId);
        *screen = root.get();
        auto navigation = std::make_unique<NavigationController>(std::move(root));
        navigation->view();
        navigation->viewWillAppear(false);
        return navigation;
    }
    static bool fullyVisible(CategoryController *screen, PhraseInfoView *row)
    {
        const ScrollView *list = screen->wordCardListView();
        const QRectF frame = ViewSupport::frame(row);
        const qreal top = list->contentOffset().y();
        return frame.top() >= top - 1e-6 && frame.bottom() <= top + ViewSupport::bounds(list).height() + 1e-6;
    }
};
}

TEST_F(CategoryScreenTest, RowsAreLaidOutByTheViewWidthAndShowOneLineForTheContentLanguage)
{
    useDevice(QSizeF(400, 700));
    auto screen = screenFor(QStringLiteral("1"));
    const QList<PhraseInfoView *> rows = screen->phraseViews();
    ASSERT_EQ(rows.size(), 16);
    EXPECT_DOUBLE_EQ(screen->cellWidth(), 360.0);
    EXPECT_DOUBLE_EQ(screen->cellHeight(), 90.0);
    for (int i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(ViewSupport::frame(rows.at(i)), QRectF(20, 5 + i * 95, 360, 90)) << i;
        EXPECT_EQ(ViewSupport::tag(rows.at(i)), i);
        EXPECT_EQ(rows.at(i)->backgroundColor(), i % 2 == 0 ? QColor(52, 82, 107) : QColor(51, 70, 92));
        EXPECT_EQ(rows.at(i)->translationLbl(), nullptr);
        EXPECT_EQ(ViewSupport::frame(rows.at(i)->titleLbl()), QRectF(0, 0, 360, 90));
    }
    EXPECT_EQ(rows.first()->titleLbl()->text(), rows.first()->phraseInfo()->foreignText());
    EXPECT_EQ(screen->wordCardListView()->contentSize(), QSizeF(400, 17 * 95));
    const QRectF list = ViewSupport::frame(screen->wordCardListView());
    EXPECT_DOUBLE_EQ(list.top(), 64.0);  // below the 20-point status band and the bar
    EXPECT_DOUBLE_EQ(list.height(), 700.0 - 64.0 - 44.0);
    EXPECT_EQ(ViewSupport::frame(screen->playerBoxView()), QRectF(0, 656, 400, 44));
    EXPECT_EQ(screen->playerBoxView()->audioFileList().size(), 16);
    EXPECT_EQ(screen->playerBoxView()->audioFileList().first(),
              AppCommon::getVoicePath(*rows.first()->phraseInfo()));
    EXPECT_EQ(screen->playerBoxView()->timeOfItemdelay(), 1);
    EXPECT_EQ(screen->playerBoxView()->numberOfItemLoops(), 1);
    EXPECT_EQ(screen->playerBoxView()->currItemIndex(), 0);
}

TEST_F(CategoryScreenTest, AFrenchLearnerGetsTwoHalfHeightLinesPerRow)
{
    useDevice(QSizeF(400, 700));
    AppCommon::setLanguageOverride(QStringLiteral("fr"));
    auto french = screenFor(QStringLiteral("1"));
    ASSERT_GE(french->phraseViews().size(), 3);
    PhraseInfoView *row = french->phraseViews().at(2);
    ASSERT_NE(row->translationLbl(), nullptr);
    EXPECT_EQ(ViewSupport::frame(row->titleLbl()), QRectF(0, 0, 360, 45));
    EXPECT_EQ(ViewSupport::frame(row->translationLbl()), QRectF(0, 45, 360, 45));
    EXPECT_EQ(row->translationLbl()->text(), row->phraseInfo()->translationText());
    EXPECT_NE(row->translationLbl()->text(), row->titleLbl()->text());
}

TEST_F(CategoryScreenTest, PlayingThroughTheListMarksAndRevealsEachRowInTurn)
{
    AppCommon::setPlaySpeed(1.5);
    auto screen = screenFor(QStringLiteral("2"));
    ZQListPlayerBoxView *player = screen->playerBoxView();
    EXPECT_FLOAT_EQ(player->playRate(), 1.5f);
    const QList<PhraseInfoView *> rows = screen->phraseViews();
    ASSERT_GE(rows.size(), 2);
    player->play(player->playButton());

    QList<int> marked;
    for (int step = 0; step < 1200 && marked.size() < rows.size(); ++step) {
        clock.advance(50);
        PhraseInfoView *current = screen->currPlayItemView();
        if (!current || (!marked.isEmpty() && marked.last() == rows.indexOf(current)))
            continue;
        marked.append(int(rows.indexOf(current)));
        EXPECT_TRUE(current->isMarked());
        EXPECT_TRUE(fullyVisible(screen.get(), current)) << marked.last();
        // The mark moves on in the pause before the item; the item sets the shared index.
        EXPECT_EQ(player->currItemIndex(), marked.last());
        EXPECT_FLOAT_EQ(ZQPlayerBox::sharedAudioPlayer()->rate(), 1.5f);
        for (PhraseInfoView *other : rows) {
            if (other != current) {
                EXPECT_FALSE(other->isMarked());
            }
        }
    }
    QList<int> expected;
    for (int i = 0; i < rows.size(); ++i)
        expected.append(i);
    EXPECT_EQ(marked, expected);
    EXPECT_GT(screen->wordCardListView()->contentOffset().y(), 0.0);
    clock.advance(5000);
    EXPECT_EQ(player->playStatus(), 0);  // the sequential run ended on the last item
    EXPECT_EQ(CategoryController::currPhraseIndex(), rows.size() - 1);
    EXPECT_EQ(rows.last()->borderColor(), QColor(18, 50, 52));
}

TEST_F(CategoryScreenTest, LeavingTheScreenStopsThePlayerAndUnmarksTheRow)
{
    auto screen = screenFor(QStringLiteral("2"));
    ZQListPlayerBoxView *player = screen->playerBoxView();
    const QList<PhraseInfoView *> rows = screen->phraseViews();
    ASSERT_GE(rows.size(), 4);
    player->playItem(3);
    clock.advance(1100);
    ASSERT_TRUE(rows.at(3)->isMarked());
    ASSERT_NE(ZQPlayerBox::sharedAudioPlayer(), nullptr);
    screen->viewWillDisappear(false);
    EXPECT_EQ(player->playStatus(), 2);
    EXPECT_FALSE(rows.at(3)->isMarked());
    EXPECT_FALSE(ZQPlayerBox::sharedAudioPlayer()->isPlaying());
}

TEST_F(CategoryScreenTest, TheMarkShowsTheItemThatPlaysNowOrNext)
{
    auto screen = screenFor(QStringLiteral("2"));
    ZQListPlayerBoxView *player = screen->playerBoxView();
    const QList<PhraseInfoView *> rows = screen->phraseViews();
    const auto markedRow = [&rows]() {
        QList<int> marked;
        for (int i = 0; i < rows.size(); ++i) {
            if (rows.at(i)->isMarked())
                marked.append(i);
        }
        return marked;
    };

    // Stop while the fourth row plays: the mark goes back to the first, which Play starts.
    player->playItem(3);
    EXPECT_EQ(markedRow(), QList<int>{3});
    player->stop(player->stopButton());
    EXPECT_EQ(markedRow(), QList<int>{0});
    player->play(player->playButton());
    EXPECT_EQ(player->playStatus(), 1);
    EXPECT_EQ(ZQPlayerBox::sharedAudioPlayer()->path(), player->audioFileList().first());
    EXPECT_EQ(markedRow(), QList<int>{0});

    // In the pause after an item the mark already shows the next one.
    while (!player->isStartPending())
        clock.advance(50);
    EXPECT_EQ(markedRow(), QList<int>{1});

    // The list ends on its last item: the mark goes to the first row, which Play starts at
    // once.
    player->playItem(int(rows.size()) - 1);
    while (player->playStatus() == 1)
        clock.advance(50);
    EXPECT_EQ(markedRow(), QList<int>{0});
    player->play(player->playButton());
    EXPECT_EQ(player->playStatus(), 1);
    EXPECT_EQ(ZQPlayerBox::sharedAudioPlayer()->path(), player->audioFileList().first());
}

TEST_F(CategoryScreenTest, WithoutAPhraseCardATapOpensNothing)
{
    CategoryController *category = nullptr;
    const std::unique_ptr<NavigationController> navigation = navigationFor(QStringLiteral("3"), &category);
    ASSERT_GE(category->phraseViews().size(), 5);
    category->openWordCard(category->phraseViews().at(4));
    navigation->finishTransition();
    EXPECT_EQ(navigation->topViewController(), category);
    EXPECT_EQ(navigation->viewControllers().size(), 1);
}

TEST_F(CategoryScreenTest, APhraseCardOpensAtTheTappedRowAndTheListResumesThereOnReturn)
{
    CategoryController *category = nullptr;
    const std::unique_ptr<NavigationController> navigation = navigationFor(QStringLiteral("3"), &category);
    ASSERT_GE(category->phraseViews().size(), 5);

    PhraseInfoPtr opened;
    CategoryController::setPhraseCardMaker([&opened](const PhraseInfoPtr &phrase) {
        opened = phrase;
        return std::make_unique<BaseViewController>();
    });
    category->playerBoxView()->play(category->playerBoxView()->playButton());
    clock.advance(300);
    ASSERT_EQ(category->playerBoxView()->playStatus(), 1);
    category->openWordCard(category->phraseViews().at(4));
    navigation->finishTransition();
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(opened, category->phraseViews().at(4)->phraseInfo());
    EXPECT_NE(navigation->topViewController(), category);
    EXPECT_EQ(CategoryController::currPhraseIndex(), 4);
    EXPECT_EQ(category->playerBoxView()->playStatus(), 2);
    EXPECT_EQ(category->hitPointForAnimateTransition(),
              std::optional<QPointF>(ViewSupport::centerInWindow(category->phraseViews().at(4))));

    // Back from the card: the player is positioned at the phrase and its row is marked.
    navigation->popViewControllerAnimated(false);
    EXPECT_EQ(navigation->topViewController(), category);
    EXPECT_EQ(category->playerBoxView()->currItemIndex(), 4);
    EXPECT_EQ(category->currPlayItemView(), category->phraseViews().at(4));
    EXPECT_TRUE(category->phraseViews().at(4)->isMarked());

    // Back from the category resets the shared index.
    category->back(nullptr);
    EXPECT_EQ(CategoryController::currPhraseIndex(), 0);
}

// The application's --tour walks the main screen, a category and its player states.
TEST(ScreenTourRun, SavesOnePicturePerScreenAndExitsZero)
{
    const QString folder = TestSupport::freshDirectory(QStringLiteral("tour")) + QStringLiteral("/pictures");
    const QString program = QStringLiteral(PHRASEBOOK_BINARY_DIR "/bin/phrasebook");
    QString output;
    ASSERT_EQ(TestSupport::runProgram(program, {QStringLiteral("--tour"), folder}, &output, 120000), 0)
        << qPrintable(output);
    for (const char *name : {"main", "category", "category-playing", "category-paused"}) {
        const QImage picture(folder + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png"));
        EXPECT_FALSE(picture.isNull()) << name;
        EXPECT_EQ(picture.size(), QSize(375, 667)) << name;
    }
    EXPECT_NE(QImage(folder + QStringLiteral("/category.png")), QImage(folder + QStringLiteral("/main.png")));
    EXPECT_NE(QImage(folder + QStringLiteral("/category-playing.png")), QImage(folder + QStringLiteral("/category.png")));
    // The speed hint over the "faster" button, above the player strip (the bottom 44 points).
    const QImage playing(folder + QStringLiteral("/category-playing.png"));
    const QImage faster(folder + QStringLiteral("/category-faster.png"));
    ASSERT_EQ(faster.size(), playing.size());
    const QRect aboveStrip(0, faster.height() - 44 - 28, faster.width(), 24);
    EXPECT_NE(faster.copy(aboveStrip), playing.copy(aboveStrip));
    // Holding the microphone button shows the meter on the card.
    EXPECT_NE(QImage(folder + QStringLiteral("/card-recording.png")), QImage(folder + QStringLiteral("/card.png")));

    EXPECT_EQ(TestSupport::runProgram(program, {QStringLiteral("--tour"), QString()}, &output), 2);
    EXPECT_TRUE(output.contains(QStringLiteral("--tour needs a folder"))) << qPrintable(output);
}
