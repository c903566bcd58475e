#include "NavigationController.h"

#include "DeviceProfile.h"
#include "View.h"
#include "ViewAnimation.h"
#include "ViewSupport.h"

// ---- transition context ------------------------------------------------------------------

TransitionContext::TransitionContext(NavigationController *navigation, NavigationOperation operation,
                                     ViewController *from, ViewController *to, QObject *parent)
    : QObject(parent), m_navigation(navigation), m_operation(operation), m_from(from), m_to(to)
{
}

QWidget *TransitionContext::containerView() const { return m_navigation->view(); }

QRectF TransitionContext::finalFrameForViewController(const ViewController *controller) const
{
    if (controller == m_to.data())
        return ViewSupport::bounds(containerView());
    return QRectF();
}

ViewAnimation *TransitionContext::animateView(QWidget *view, const ViewState &from, const ViewState &to,
                                              int durationMs, std::function<void()> completion)
{
    auto *animation = new ViewAnimation(view, from, to, durationMs, std::move(completion), containerView());
    m_animation = animation;
    animation->start();
    return animation;
}

ViewAnimation *TransitionContext::runningAnimation() const { return static_cast<ViewAnimation *>(m_animation.data()); }

void TransitionContext::completeTransition(bool didComplete)
{
    if (m_complete)
        return;
    m_complete = true;
    emit completed(didComplete);
}

// ---- navigation stack --------------------------------------------------------------------

NavigationController::NavigationController(std::unique_ptr<ViewController> root, QObject *parent)
    : ViewController(parent)
{
    if (root) {
        root->setNavigationController(this);
        m_stack.push_back(std::move(root));
    }
}

NavigationController::~NavigationController()
{
    if (m_context && m_context->runningAnimation())
        delete m_context->runningAnimation();
    m_context.reset();
    m_animator.reset();
    m_popped.reset();
    // Top first, as a stack unwinds.
    while (!m_stack.empty())
        m_stack.pop_back();
}

void NavigationController::setDelegate(NavigationControllerDelegate *delegate)
{
    m_delegate = delegate;
    m_delegateGuard = dynamic_cast<QObject *>(delegate);
    m_delegateGuarded = !m_delegateGuard.isNull();
}

NavigationControllerDelegate *NavigationController::delegate() const
{
    if (m_delegateGuarded && m_delegateGuard.isNull())
        return nullptr;
    return m_delegate;
}

ViewController *NavigationController::topViewController() const
{
    return m_stack.empty() ? nullptr : m_stack.back().get();
}

QList<ViewController *> NavigationController::viewControllers() const
{
    QList<ViewController *> result;
    for (const auto &controller : m_stack)
        result << controller.get();
    return result;
}

void NavigationController::show(ViewController *controller)
{
    View *container = view();
    View *screen = controller->view();
    if (screen->parentWidget() != container) {
        screen->setParent(container);
        screen->setFrame(container->bounds());
    }
    screen->show();
    screen->raise();
}

void NavigationController::viewDidLoad()
{
    if (ViewController *top = topViewController())
        show(top);
}

void NavigationController::viewWillAppear(bool animated)
{
    if (ViewController *top = topViewController())
        top->viewWillAppear(animated);
}

void NavigationController::viewDidAppear(bool animated)
{
    if (ViewController *top = topViewController())
        top->viewDidAppear(animated);
}

void NavigationController::viewWillDisappear(bool animated)
{
    if (ViewController *top = topViewController())
        top->viewWillDisappear(animated);
}

void NavigationController::viewDidDisappear(bool animated)
{
    if (ViewController *top = topViewController())
        top->viewDidDisappear(animated);
}

void NavigationController::pushViewController(std::unique_ptr<ViewController> controller, bool animated)
{
    if (!controller)
        return;
    finishTransition();
    ViewController *from = topViewController();
    ViewController *to = controller.get();
    to->setNavigationController(this);
    m_stack.push_back(std::move(controller));
    transition(NavigationOperation::Push, from, to, animated);
}

bool NavigationController::popViewControllerAnimated(bool animated)
{
    finishTransition();
    if (m_stack.size() < 2)
        return false;
    ViewController *from = m_stack.back().get();
    ViewController *to = m_stack[m_stack.size() - 2].get();
    m_popped = std::move(m_stack.back());
    m_stack.pop_back();
    transition(NavigationOperation::Pop, from, to, animated);
    return true;
}

void NavigationController::finishTransition()
{
    if (!m_context)
        return;
    if (ViewAnimation *animation = m_context->runningAnimation())
        animation->finishNow();
    if (m_context)
        m_context->completeTransition(true);
}

void NavigationController::transition(NavigationOperation operation, ViewController *from, ViewController *to,
                                      bool animated)
{
    View *container = view();
    View *target = to->view();  // loads the arriving screen (viewDidLoad) on its first push
    if (target->parentWidget() != container) {
        target->hide();
        target->setParent(container);
    }
    if (from)
        from->viewWillDisappear(animated);
    to->viewWillAppear(animated);

    NavigationControllerDelegate *currentDelegate = delegate();
    std::unique_ptr<AnimatedTransitioning> animator;
    if (animated && from && currentDelegate && container->isVisible())
        animator = currentDelegate->animationControllerForOperation(this, operation, from, to);
    if (!animator) {
        show(to);
        completeTransition(operation, from, to, animated);
        return;
    }
    m_context = std::make_unique<TransitionContext>(this, operation, from, to);
    m_animator = std::move(animator);
    connect(m_context.get(), &TransitionContext::completed, this,
            [this, operation, from, to, animated](bool) { completeTransition(operation, from, to, animated); });
    m_animator->animateTransition(m_context.get());
}

void NavigationController::completeTransition(NavigationOperation operation, ViewController *from,
                                              ViewController *to, bool animated)
{
    // The context emitted the signal that brought us here: release it later.
    if (m_context)
        m_context.release()->deleteLater();
    std::unique_ptr<AnimatedTransitioning> animator = std::move(m_animator);

    View *target = to->view();
    target->setFrame(view()->bounds());
    target->show();
    target->raise();
    if (from && from->isViewLoaded())
        from->view()->hide();
    if (from)
        from->viewDidDisappear(animated);
    to->viewDidAppear(animated);
    if (animator)
        animator->animationEnded(true);
    if (operation == NavigationOperation::Pop && m_popped) {
        ViewController *popped = m_popped.release();
        popped->setNavigationController(nullptr);
        popped->deleteLater();
    }
    emit didShowViewController(to);
}
