// The navigation stack: appearance calls, animated transitions through the delegate, and
// the lifetime of popped screens.
#include "platform/ui/DeviceProfile.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/View.h"
#include "platform/ui/ViewAnimation.h"
#include "platform/ui/Window.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QPointer>
#include <QTest>

namespace {
QStringList &log()
{
    static QStringList entries;
    return entries;
}

class TestScreen : public ViewController
{
public:
    explicit TestScreen(const QString &name) : m_name(name) {}
    void viewDidLoad() override { log() << m_name + QStringLiteral(".didLoad"); }
    void viewWillAppear(bool) override { log() << m_name + QStringLiteral(".willAppear"); }
    void viewDidAppear(bool) override { log() << m_name + QStringLiteral(".didAppear"); }
    void viewWillDisappear(bool) override { log() << m_name + QStringLiteral(".willDisappear"); }
    void viewDidDisappear(bool) override { log() << m_name + QStringLiteral(".didDisappear"); }

private:
    QString m_name;
};

// Grows the arriving view from a corner, or shrinks the leaving one into it.
class CornerAnimator : public AnimatedTransitioning
{
public:
    explicit CornerAnimator(NavigationOperation operation) : m_operation(operation) {}
    double transitionDuration(TransitionContext *) const override { return 0.5; }
    void animateTransition(TransitionContext *context) override
    {
        ViewController *to = context->viewControllerForKey(TransitionContext::Key::To);
        ViewController *from = context->viewControllerForKey(TransitionContext::Key::From);
        const QRectF frame = context->finalFrameForViewController(to);
        to->view()->setFrame(frame);
        to->view()->setParent(context->containerView());
        to->view()->show();
        QPointer<TransitionContext> weak = context;
        auto done = [weak]() {
            if (weak)
                weak->completeTransition(true);
        };
        if (m_operation == NavigationOperation::Push)
            context->animateView(to->view(), {0.5, QPointF(0, 0), 0.5}, {1.0, frame.center(), 1.0}, 500, done);
        else
            context->animateView(from->view(), {1.0, frame.center(), 1.0}, {0.5, QPointF(0, 0), 0.5}, 500, done);
    }

private:
    NavigationOperation m_operation;
};

class CornerDelegate : public NavigationControllerDelegate
{
public:
    std::unique_ptr<AnimatedTransitioning> animationControllerForOperation(NavigationController *,
                                                                           NavigationOperation operation,
                                                                           ViewController *, ViewController *) override
    {
        operations << operation;
        return std::make_unique<CornerAnimator>(operation);
    }
    QList<NavigationOperation> operations;
};

class NavigationTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        log().clear();
        Screen::setDevice(*DeviceProfile::preset(QStringLiteral("se")));
        window = std::make_unique<Window>(Screen::bounds());
        auto navigation = std::make_unique<NavigationController>(std::make_unique<TestScreen>(QStringLiteral("root")));
        nav = navigation.get();
        window->setRootViewController(std::move(navigation));
        window->makeKeyAndVisible();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        log().clear();
    }
    void TearDown() override { Screen::setDevice(DeviceProfile::defaultProfile()); }

    std::unique_ptr<Window> window;
    NavigationController *nav = nullptr;
};
}

TEST_F(NavigationTest, ImmediatePushAndPopWithoutDelegate)
{
    auto pushed = std::make_unique<TestScreen>(QStringLiteral("second"));
    QPointer<ViewController> second = pushed.get();
    nav->pushViewController(std::move(pushed), true);
    EXPECT_EQ(log(), (QStringList{"second.didLoad", "root.willDisappear", "second.willAppear", "root.didDisappear",
                                  "second.didAppear"}));
    EXPECT_EQ(nav->topViewController(), second.data());
    EXPECT_TRUE(second->view()->isVisible());
    EXPECT_FALSE(nav->viewControllers().first()->view()->isVisible());
    EXPECT_EQ(second->view()->frame(), QRectF(0, 0, 320, 568));

    log().clear();
    EXPECT_TRUE(nav->popViewControllerAnimated(true));
    EXPECT_EQ(log(), (QStringList{"second.willDisappear", "root.willAppear", "second.didDisappear", "root.didAppear"}));
    EXPECT_FALSE(second.isNull()) << "deleted later, not inside the pop";
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(second.isNull());
    EXPECT_FALSE(nav->popViewControllerAnimated(true)) << "the root stays";
    EXPECT_EQ(nav->viewControllers().size(), 1);
}

TEST_F(NavigationTest, AnimatedTransitionsDrawTheViewBetweenStates)
{
    CornerDelegate delegate;
    nav->setDelegate(&delegate);
    nav->pushViewController(std::make_unique<TestScreen>(QStringLiteral("second")), true);
    ASSERT_TRUE(nav->isTransitioning());
    ViewAnimation *animation = nav->transitionContext()->runningAnimation();
    ASSERT_NE(animation, nullptr);
    EXPECT_EQ(animation->duration(), 500);
    EXPECT_EQ(animation->currentFrame(), QRectF(-80, -142, 160, 284));  // half size about (0, 0)
    EXPECT_DOUBLE_EQ(animation->currentState().alpha, 0.5);
    EXPECT_FALSE(log().contains("second.didAppear"));
    animation->setProgress(0.5);  // ease in-out: half way in time is half way in space
    EXPECT_DOUBLE_EQ(animation->currentState().scale, 0.75);
    EXPECT_EQ(animation->currentState().center, QPointF(80, 142));

    nav->finishTransition();
    EXPECT_FALSE(nav->isTransitioning());
    EXPECT_TRUE(log().contains("second.didAppear"));
    EXPECT_TRUE(nav->topViewController()->view()->isVisible());

    // Pop: the leaving view shrinks into the corner over the arriving one.
    nav->popViewControllerAnimated(true);
    ASSERT_TRUE(nav->isTransitioning());
    animation = nav->transitionContext()->runningAnimation();
    EXPECT_EQ(animation->currentFrame(), QRectF(0, 0, 320, 568));
    EXPECT_TRUE(nav->viewControllers().first()->view()->isVisible()) << "the arriving screen shows beneath";
    // A push while the pop runs completes the pop first.
    nav->pushViewController(std::make_unique<TestScreen>(QStringLiteral("third")), true);
    EXPECT_EQ(nav->viewControllers().size(), 2);
    EXPECT_EQ(delegate.operations, (QList<NavigationOperation>{NavigationOperation::Push, NavigationOperation::Pop,
                                                               NavigationOperation::Push}));
    nav->finishTransition();
    nav->setDelegate(nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST_F(NavigationTest, TheAnimationRunsOnTheEventLoop)
{
    CornerDelegate delegate;
    nav->setDelegate(&delegate);
    nav->pushViewController(std::make_unique<TestScreen>(QStringLiteral("second")), true);
    EXPECT_TRUE(QTest::qWaitFor([this]() { return !nav->isTransitioning(); }, 3000));
    EXPECT_TRUE(log().contains("second.didAppear"));
    nav->setDelegate(nullptr);
}

TEST_F(NavigationTest, DestroyedDelegateIsDropped)
{
    struct ObjectDelegate : QObject, CornerDelegate {};
    auto delegate = std::make_unique<ObjectDelegate>();
    nav->setDelegate(delegate.get());
    EXPECT_EQ(nav->delegate(), delegate.get());
    delegate.reset();
    EXPECT_EQ(nav->delegate(), nullptr);
    nav->pushViewController(std::make_unique<TestScreen>(QStringLiteral("second")), true);
    EXPECT_FALSE(nav->isTransitioning());
}
