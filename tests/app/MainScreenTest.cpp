// The main screen: grid and tile geometry, the tool bar, and opening a category.
#include "platform/ui/ActivityIndicatorView.h"
#include "content/AppCommon.h"
#include "AppFixture.h"
#include "platform/ui/Button.h"
#include "app/CategoryController.h"
#include "app/CategoryView.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "app/MainViewController.h"
#include "platform/ui/NavigationController.h"
#include "app/ScreenFactory.h"
#include "platform/ui/ScrollView.h"
#include "support/TestSupport.h"
#include "platform/ui/ViewAnimation.h"
#include "platform/ui/ViewSupport.h"
#include "platform/ui/Window.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QPointer>
#include <QTest>

namespace {
class MainScreenTest : public ::testing::Test
{
protected:
    void open(int categories, const DeviceProfile &device, const QString &language = QStringLiteral("en"))
    {
        const QString bundle =
            AppFixture::writeBundle(TestSupport::freshDirectory(QStringLiteral("main")), categories);
        AppFixture::resetState(bundle, device);
        AppCommon::setLanguageOverride(language);
        ASSERT_TRUE(AppCommon::preloadCatalogue()) << AppCommon::catalogueError().toStdString();
        AppFixture::MainWindow opened = AppFixture::openMainWindow();
        window = std::move(opened.window);
        main = opened.main;
        nav = opened.nav;
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    void TearDown() override
    {
        if (nav)
            nav->finishTransition();
        window.reset();
        AppFixture::flushDeletes();
        AppFixture::resetState(QString());
    }

    std::unique_ptr<Window> window;
    NavigationController *nav = nullptr;
    MainViewController *main = nullptr;
};

void expectRect(const QRectF &actual, const QRectF &expected)
{
    EXPECT_NEAR(actual.x(), expected.x(), 1e-9);
    EXPECT_NEAR(actual.y(), expected.y(), 1e-9);
    EXPECT_NEAR(actual.width(), expected.width(), 1e-9);
    EXPECT_NEAR(actual.height(), expected.height(), 1e-9);
}
}

TEST_F(MainScreenTest, GridAtThreeHundredSixtyPoints)
{
    open(5, AppFixture::customProfile(360, 640));
    EXPECT_DOUBLE_EQ(main->cellMargin(), 20);
    EXPECT_DOUBLE_EQ(main->cellWidth(), 150);
    EXPECT_DOUBLE_EQ(main->cellHeight(), 150);
    const QList<CategoryView *> tiles = main->categoryViews();
    ASSERT_EQ(tiles.size(), 5);
    expectRect(tiles[0]->frame(), QRectF(20, 20, 150, 150));
    expectRect(tiles[1]->frame(), QRectF(190, 20, 150, 150));
    expectRect(tiles[2]->frame(), QRectF(20, 190, 150, 150));
    expectRect(tiles[4]->frame(), QRectF(20, 360, 150, 150));  // the last row holds one tile, at the left
    EXPECT_EQ(ViewSupport::tag(tiles[3]), 3);
    EXPECT_EQ(tiles[3]->vcDelegate(), main);
    EXPECT_DOUBLE_EQ(main->bodyView()->contentSize().height(), 3 * (150 + 20));
    expectRect(main->bodyView()->frame(), QRectF(0, 64, 360, 640 - 64));
}

TEST_F(MainScreenTest, GridOnTheSmallestPhoneAndOnATablet)
{
    open(3, AppFixture::profile(QStringLiteral("se")));
    const qreal m = 320.0 / 18.0;
    const qreal w = (320.0 - 3 * m) / 2.0;
    const QList<CategoryView *> tiles = main->categoryViews();
    ASSERT_EQ(tiles.size(), 3);
    expectRect(tiles[1]->frame(), QRectF(m + w + m, m, w, w));
    expectRect(tiles[2]->frame(), QRectF(m, 2 * m + w, w, w));
    EXPECT_DOUBLE_EQ(main->bodyView()->contentSize().height(), 2 * (w + m));
    expectRect(main->bodyView()->frame(), QRectF(0, 64, 320, 504));
    window.reset();

    open(4, AppFixture::profile(QStringLiteral("tablet")));
    const qreal tm = 768.0 / 18.0;
    const qreal tw = (768.0 - 3 * tm) / 2.0;
    EXPECT_DOUBLE_EQ(main->cellWidth(), tw);
    expectRect(main->categoryViews()[3]->frame(), QRectF(2 * tm + tw, 2 * tm + tw, tw, tw));
    EXPECT_DOUBLE_EQ(main->bodyView()->contentSize().height(), 2.5 * (tw + tm)) << "no rounding down";
}

TEST_F(MainScreenTest, AnEmptyCatalogueGivesAnEmptyGrid)
{
    open(0, AppFixture::profile(QStringLiteral("se")));
    EXPECT_TRUE(main->categoryViews().isEmpty());
    const qreal m = 320.0 / 18.0;
    const qreal w = (320.0 - 3 * m) / 2.0;
    EXPECT_DOUBLE_EQ(main->bodyView()->contentSize().height(), 0.5 * (w + m));
}

TEST_F(MainScreenTest, TileLayoutAndLook)
{
    open(2, AppFixture::customProfile(360, 640), QStringLiteral("fr"));
    CategoryView *tile = main->categoryViews().first();
    // u = 150 / 80, s = ceil(u / 2) = 1.
    const QList<View *> strips = tile->strips();
    ASSERT_EQ(strips.size(), 2);
    expectRect(strips[0]->frame(), QRectF(7.5, 0, 135, 1));
    expectRect(strips[1]->frame(), QRectF(3.75, 2, 142.5, 1));
    EXPECT_EQ(strips[0]->backgroundColor(), QColor(Qt::white));
    const qreal coverHeight = 150 * 20.0 / 27.0;
    ImageView *cover = tile->imageView();
    expectRect(cover->frame(), QRectF(0, 4, 150, coverHeight));
    EXPECT_DOUBLE_EQ(cover->borderWidth(), 150 / 80.0);
    EXPECT_EQ(cover->borderColor(), QColor(Qt::white));
    EXPECT_EQ(cover->backgroundColor(), QColor(170, 170, 170));
    EXPECT_EQ(ViewSupport::shadowOpacity(cover), 1.0);
    ASSERT_FALSE(cover->image().isNull()) << "the cover JPEG";
    const QColor pixel = cover->image().pixelColor(cover->image().width() / 2, cover->image().height() / 2);
    EXPECT_NEAR(pixel.hsvHue(), 40, 3);

    Label *pill = tile->titleLbl();
    const qreal full = 150 - coverHeight;
    const qreal reduced = full * 0.6;
    expectRect(pill->frame(), QRectF(0, coverHeight + (full - reduced) / 2, 150, reduced));
    EXPECT_EQ(pill->text(), QStringLiteral("Category 1 (fr)"));
    EXPECT_EQ(tile->title(), QStringLiteral("Category 1 (fr)"));
    EXPECT_EQ(pill->backgroundColor(), QColor(37, 46, 47));
    EXPECT_EQ(pill->textColor(), QColor(Qt::white));
    EXPECT_EQ(pill->cornerRadius(), 12);
    EXPECT_EQ(pill->numberOfLines(), 0);
    EXPECT_EQ(pill->font().pixelSize(), qRound(reduced * 0.6));
    EXPECT_EQ(QFontInfo(pill->font()).family(), QStringLiteral("Comic Neue"));
}

TEST_F(MainScreenTest, ToolBarAndSpinner)
{
    open(2, AppFixture::profile(QStringLiteral("se")));
    ZQToolBarView *bar = main->toolBar();
    EXPECT_EQ(bar->titleLabel()->text(), QStringLiteral("Categorized Phrases"));
    EXPECT_EQ(QFontInfo(bar->titleLabel()->font()).family(), QStringLiteral("Comic Neue"));
    ASSERT_NE(bar->leftBtn(), nullptr);
    EXPECT_EQ(bar->leftBtn()->frame(), QRectF(0, 0, 44, 44));
    EXPECT_FALSE(bar->leftBtn()->image().isNull());
    EXPECT_EQ(bar->rightBtn(), main->quizBtn());
    EXPECT_EQ(main->quizBtn()->frame(), QRectF(274, 0, 44, 44));
    EXPECT_EQ(main->view()->backgroundColor(), QColor(39, 64, 139));
    EXPECT_FALSE(main->bodyView()->showsVerticalScrollIndicator());
    EXPECT_FALSE(main->bodyView()->bounces());
    ASSERT_EQ(main->bodyView()->gradientLayers().size(), 1);
    EXPECT_EQ(main->bodyView()->gradientLayers().first().top, QColor(39, 64, 139));
    EXPECT_EQ(main->bodyView()->gradientLayers().first().bottom, QColor(46, 139, 87));
    EXPECT_EQ(main->activityView()->frame(), QRectF(135, 259, 50, 50));
    EXPECT_EQ(main->activityViewCenter(), QPointF(160, 284));
    EXPECT_FALSE(main->activityView()->isAnimating());

    // Without their screens the buttons do nothing; with them they push from the bar's middle.
    QTest::mouseClick(main->quizBtn(), Qt::LeftButton, {}, QPoint(22, 22));
    QTest::mouseClick(bar->leftBtn(), Qt::LeftButton, {}, QPoint(22, 22));
    EXPECT_FALSE(nav->isTransitioning());
    EXPECT_EQ(nav->viewControllers().size(), 1);
    bool askedForAll = false;
    ScreenFactory::setQuizOutlineMaker([&](const CategoryInfoPtr &category) {
        askedForAll = category == nullptr;
        return std::make_unique<CategoryController>();
    });
    QTest::mouseClick(main->quizBtn(), Qt::LeftButton, {}, QPoint(22, 22));
    EXPECT_TRUE(askedForAll);
    ASSERT_TRUE(nav->isTransitioning());
    EXPECT_EQ(main->hitPointForAnimateTransition(), QPointF(160, 42));
    EXPECT_EQ(nav->transitionContext()->runningAnimation()->currentState().center, QPointF(160, 42));
}

TEST_F(MainScreenTest, ATileOpensItsCategoryAndTheCategoryShrinksBackIntoIt)
{
    open(8, AppFixture::profile(QStringLiteral("se")));
    main->bodyView()->setContentOffset(QPointF(0, 100));
    ASSERT_EQ(main->bodyView()->contentOffset(), QPointF(0, 100));
    CategoryView *tile = main->categoryViews()[3];
    const QPointF centre = ViewSupport::centerInWindow(tile);
    const qreal m = 320.0 / 18.0;
    const qreal w = (320.0 - 3 * m) / 2.0;
    EXPECT_NEAR(centre.x(), 2 * m + w + w / 2, 1e-9);
    EXPECT_NEAR(centre.y(), 64 - 100 + 2 * m + w + w / 2, 1e-9);

    QTest::mouseClick(tile, Qt::LeftButton, {}, QPoint(30, 30));
    ASSERT_TRUE(nav->isTransitioning());
    EXPECT_EQ(main->hitPointForAnimateTransition(), centre);
    EXPECT_EQ(main->activityViewCenter(), centre);
    EXPECT_EQ(nav->delegate(), main);
    auto *category = qobject_cast<CategoryController *>(nav->topViewController());
    ASSERT_NE(category, nullptr);
    EXPECT_EQ(category->categoryInfo(), tile->categoryInfo());
    ASSERT_TRUE(category->phraseInfoList());
    EXPECT_EQ(category->phraseInfoList()->size(), 2);
    EXPECT_EQ(category->toolBar()->titleLabel()->text(), QStringLiteral("Category 4"));
    ASSERT_NE(category->toolBar()->leftBtn(), nullptr);
    ASSERT_NE(category->toolBar()->rightBtn(), nullptr);
    EXPECT_EQ(nav->transitionContext()->runningAnimation()->currentState().center, centre);
    // The loading thread hands the spinner to the main thread: it turns at the tile.
    EXPECT_TRUE(QTest::qWaitFor([this]() { return main->activityView()->isAnimating(); }, 2000));
    EXPECT_EQ(ViewSupport::center(main->activityView()), centre);
    nav->finishTransition();

    QTest::mouseClick(category->toolBar()->leftBtn(), Qt::LeftButton, {}, QPoint(22, 22));
    ASSERT_TRUE(nav->isTransitioning());
    EXPECT_FALSE(main->activityView()->isAnimating()) << "stopped when the main screen comes back";
    ViewAnimation *shrink = nav->transitionContext()->runningAnimation();
    shrink->setProgress(1.0);
    EXPECT_EQ(shrink->currentState().center, centre);
    nav->finishTransition();
    EXPECT_EQ(nav->topViewController(), main);
}
