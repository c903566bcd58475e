// The navigation shell: screen metrics, the status and bottom bands, the tool bar, and the
// zoom transition of every push and pop.
#include "AppFixture.h"
#include "app/BaseViewController.h"
#include "platform/ui/Button.h"
#include "app/CustomNavControllerTransitionAnimator.h"
#include "platform/ui/Label.h"
#include "platform/ui/NavigationController.h"
#include "app/ScreenMetrics.h"
#include "support/TestSupport.h"
#include "platform/ui/SystemUi.h"
#include "platform/ui/View.h"
#include "platform/ui/ViewAnimation.h"
#include "platform/ui/Window.h"
#include "app/ZQToolBarView.h"

#include <gtest/gtest.h>

#include <QPointer>
#include <QTest>

namespace {
class PlainScreen : public BaseViewController
{
};

class ShellTest : public ::testing::Test
{
protected:
    void start(const DeviceProfile &device)
    {
        AppFixture::resetState(QString(), device);
        window = std::make_unique<Window>(Screen::bounds());
        auto rootScreen = std::make_unique<PlainScreen>();
        root = rootScreen.get();
        auto navigation = std::make_unique<NavigationController>(std::move(rootScreen));
        nav = navigation.get();
        window->setRootViewController(std::move(navigation));
        window->makeKeyAndVisible();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    void TearDown() override
    {
        window.reset();
        AppFixture::flushDeletes();
        AppFixture::resetState(QString());
    }

    std::unique_ptr<Window> window;
    NavigationController *nav = nullptr;
    PlainScreen *root = nullptr;
};
}

TEST_F(ShellTest, DeviceWithoutInsetsHasATwentyPointStatusBandAndNoBottomBand)
{
    start(AppFixture::profile(QStringLiteral("se")));
    EXPECT_EQ(ScreenMetrics::topInset(), 20);
    EXPECT_EQ(ScreenMetrics::usableHeight(), 568);
    EXPECT_EQ(ScreenMetrics::screenWidth(), 320);
    ASSERT_NE(root->statusBand(), nullptr);
    EXPECT_EQ(root->statusBand()->frame(), QRectF(0, 0, 320, 20));
    EXPECT_EQ(root->statusBand()->backgroundColor(), QColor(39, 64, 139));
    EXPECT_EQ(root->toolBar()->frame(), QRectF(0, 20, 320, 44));
    EXPECT_EQ(root->toolBar()->backgroundColor(), QColor(39, 64, 139));
    EXPECT_EQ(root->toolBar()->innerToolBar()->frame(), QRectF(0, 0, 320, 44));
    EXPECT_EQ(root->bottomBand(), nullptr);
    EXPECT_EQ(root->preferredStatusBarStyle(), ViewController::StatusBarStyle::LightContent);
}

TEST_F(ShellTest, DeviceWithAHomeIndicatorGetsTheGreenBand)
{
    start(AppFixture::profile(QStringLiteral("notch")));
    EXPECT_EQ(ScreenMetrics::topInset(), 44);
    EXPECT_EQ(ScreenMetrics::usableHeight(), 778);
    EXPECT_EQ(root->statusBand()->frame(), QRectF(0, 0, 375, 44));
    EXPECT_EQ(root->toolBar()->frame(), QRectF(0, 44, 375, 44));
    ASSERT_NE(root->bottomBand(), nullptr);
    EXPECT_EQ(root->bottomBand()->frame(), QRectF(0, 778, 375, 34));
    EXPECT_EQ(root->bottomBand()->backgroundColor(), QColor(46, 139, 87));
}

TEST_F(ShellTest, ToolBarTitleAndButtons)
{
    start(AppFixture::profile(QStringLiteral("se")));
    ZQToolBarView *bar = root->toolBar();
    EXPECT_EQ(bar->btnWidth(), 44);
    EXPECT_EQ(bar->barHeight(), 44);
    EXPECT_EQ(bar->marginW(), 2);
    EXPECT_EQ(bar->titleLabel(), nullptr);
    bar->setTitle(QStringLiteral("Greetings"));
    Label *title = bar->titleLabel();
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->frame(), QRectF(40, 0, 240, 44));
    EXPECT_EQ(title->font().pixelSize(), 18);  // 0.4 x 44, bold
    EXPECT_TRUE(title->font().bold());
    EXPECT_EQ(title->textColor(), QColor(Qt::white));
    EXPECT_EQ(title->textAlignment(), Qt::AlignHCenter);
    EXPECT_TRUE(title->adjustsFontSizeToFitWidth());
    bar->setTitle(QStringLiteral("Travel"));
    EXPECT_EQ(bar->titleLabel(), title) << "one label";
    EXPECT_EQ(title->text(), QStringLiteral("Travel"));

    bar->setRightBtn(nullptr);
    EXPECT_EQ(bar->rightBtn(), nullptr);
    auto *right = new Button;
    bar->setRightBtn(right);
    EXPECT_EQ(right->frame(), QRectF(274, 0, 44, 44));
    EXPECT_EQ(right->parentWidget(), bar->innerToolBar());

    // The default left button is the back button: it pops through the delegate.
    auto pushedScreen = std::make_unique<PlainScreen>();
    QPointer<PlainScreen> pushed = pushedScreen.get();
    nav->pushViewController(std::move(pushedScreen), false);
    pushed->toolBar()->setLeftBtn();
    Button *back = pushed->toolBar()->leftBtn();
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->frame(), QRectF(0, 0, 44, 44));
    EXPECT_FALSE(back->image().isNull());
    QTest::mouseClick(back, Qt::LeftButton, {}, QPoint(22, 22));
    EXPECT_EQ(nav->topViewController(), root);
    AppFixture::flushDeletes();
    EXPECT_TRUE(pushed.isNull());
}

TEST_F(ShellTest, PushGrowsFromTheHitPointAndPopShrinksIntoIt)
{
    start(AppFixture::profile(QStringLiteral("se")));
    auto animator = root->animationControllerForOperation(nav, NavigationOperation::Push, root, root);
    auto *zoom = dynamic_cast<CustomNavControllerTransitionAnimator *>(animator.get());
    ASSERT_NE(zoom, nullptr);
    EXPECT_EQ(zoom->operation(), NavigationOperation::Push);
    EXPECT_DOUBLE_EQ(zoom->transitionDuration(nullptr), 0.8);

    auto pushedScreen = std::make_unique<PlainScreen>();
    QPointer<PlainScreen> pushed = pushedScreen.get();
    root->pushFromPoint(std::move(pushedScreen), QPointF(100, 200));
    EXPECT_EQ(nav->delegate(), root);
    ASSERT_TRUE(nav->isTransitioning());
    ViewAnimation *grow = nav->transitionContext()->runningAnimation();
    ASSERT_NE(grow, nullptr);
    EXPECT_EQ(grow->duration(), 800);
    const QRectF start = grow->currentFrame();
    EXPECT_DOUBLE_EQ(start.center().x(), 100);
    EXPECT_DOUBLE_EQ(start.center().y(), 200);
    EXPECT_NEAR(start.width(), 3.2, 1e-9);
    EXPECT_NEAR(start.height(), 5.68, 1e-9);
    EXPECT_DOUBLE_EQ(grow->currentState().alpha, 0.6);
    EXPECT_FALSE(pushed->view()->isVisible()) << "drawn from its picture meanwhile";
    EXPECT_TRUE(root->view()->isVisible()) << "the opener stays beneath";
    nav->finishTransition();
    EXPECT_FALSE(nav->isTransitioning());
    EXPECT_TRUE(pushed->view()->isVisible());
    EXPECT_EQ(pushed->view()->frame(), QRectF(0, 0, 320, 568));
    EXPECT_EQ(pushed->view()->graphicsEffect(), nullptr) << "identity, opaque";
    EXPECT_FALSE(root->view()->isVisible());

    pushed->back(nullptr);
    ASSERT_TRUE(nav->isTransitioning());
    ViewAnimation *shrink = nav->transitionContext()->runningAnimation();
    EXPECT_EQ(shrink->currentFrame(), QRectF(0, 0, 320, 568));
    EXPECT_DOUBLE_EQ(shrink->currentState().alpha, 1.0);
    EXPECT_TRUE(root->view()->isVisible()) << "the main screen shows beneath";
    shrink->setProgress(1.0);
    EXPECT_DOUBLE_EQ(shrink->currentFrame().center().x(), 100);
    EXPECT_DOUBLE_EQ(shrink->currentFrame().center().y(), 200);
    EXPECT_NEAR(shrink->currentFrame().width(), 3.2, 1e-9);
    EXPECT_DOUBLE_EQ(shrink->currentState().alpha, 0.6);
    EXPECT_TRUE(QTest::qWaitFor([this]() { return !nav->isTransitioning(); }, 3000));
    EXPECT_EQ(nav->topViewController(), root);
    AppFixture::flushDeletes();
    EXPECT_TRUE(pushed.isNull());
}

TEST_F(ShellTest, WithoutAHitPointTheScreenGrowsFromTheTopLeftCorner)
{
    start(AppFixture::profile(QStringLiteral("phone")));
    EXPECT_FALSE(root->hitPointForAnimateTransition());
    nav->setDelegate(root);
    nav->pushViewController(std::make_unique<PlainScreen>(), true);
    ASSERT_TRUE(nav->isTransitioning());
    const ViewAnimation *grow = nav->transitionContext()->runningAnimation();
    EXPECT_EQ(grow->currentState().center, QPointF(0, 0));
    EXPECT_DOUBLE_EQ(grow->currentState().scale, 0.01);
    nav->finishTransition();
    EXPECT_EQ(CustomNavControllerTransitionAnimator::growthPoint(nullptr), QPointF(0, 0));
}

TEST(ScreenMetricsTest, SystemVersionTextsReadAsNumbers)
{
    EXPECT_DOUBLE_EQ(ScreenMetrics::versionNumber(QStringLiteral("9.3.5"), 0), 9.3);
    EXPECT_DOUBLE_EQ(ScreenMetrics::versionNumber(QStringLiteral("9.3"), 0), 9.3);
    EXPECT_DOUBLE_EQ(ScreenMetrics::versionNumber(QStringLiteral("12"), 0), 12);
    EXPECT_DOUBLE_EQ(ScreenMetrics::versionNumber(QStringLiteral("8"), 99), 8);  // old: below 9, not the fallback
    EXPECT_DOUBLE_EQ(ScreenMetrics::versionNumber(QStringLiteral(" 10.1 (bookworm)"), 0), 10.1);
    EXPECT_DOUBLE_EQ(ScreenMetrics::versionNumber(QStringLiteral("9."), 0), 9);
    // Texts without a leading number give the fallback.
    EXPECT_DOUBLE_EQ(ScreenMetrics::versionNumber(QStringLiteral("n/a"), 99), 99);
    EXPECT_DOUBLE_EQ(ScreenMetrics::versionNumber(QString(), 99), 99);
    EXPECT_DOUBLE_EQ(ScreenMetrics::versionNumber(QStringLiteral(""), 42), 42);
    EXPECT_DOUBLE_EQ(ScreenMetrics::versionNumber(QStringLiteral("v9.3"), 99), 99);
    EXPECT_DOUBLE_EQ(ScreenMetrics::versionNumber(QStringLiteral(".5"), 99), 99);
}

TEST(ScreenMetricsTest, TheMetricsReadThisSystemsVersionTextAndCountANumberlessOneAsCurrent)
{
    ScreenMetrics::reset();
    const QString text = SystemUi::systemVersion();
    const double parsed = ScreenMetrics::versionNumber(text, -1);
    if (parsed < 0)
        EXPECT_GE(ScreenMetrics::systemVersion(), 9.0) << "\"" << text.toStdString() << "\" counts as current";
    else
        EXPECT_DOUBLE_EQ(ScreenMetrics::systemVersion(), parsed) << text.toStdString();
}
