#include "CustomNavControllerTransitionAnimator.h"

#include "BaseViewController.h"
#include "platform/ui/View.h"
#include "platform/ui/ViewSupport.h"

CustomNavControllerTransitionAnimator::CustomNavControllerTransitionAnimator(std::optional<NavigationOperation> operation)
    : m_operation(operation)
{
}

double CustomNavControllerTransitionAnimator::transitionDuration(TransitionContext *) const { return kDuration; }

QPointF CustomNavControllerTransitionAnimator::growthPoint(ViewController *screen)
{
    if (auto *base = dynamic_cast<BaseViewController *>(screen)) {
        if (base->hitPointForAnimateTransition())
            return *base->hitPointForAnimateTransition();
    }
    return QPointF(0, 0);
}

void CustomNavControllerTransitionAnimator::animateTransition(TransitionContext *context)
{
    m_transitionContext = context;
    QWidget *container = context->containerView();
    ViewController *from = context->viewControllerForKey(TransitionContext::Key::From);
    ViewController *to = context->viewControllerForKey(TransitionContext::Key::To);
    const QRectF finalFrame = context->finalFrameForViewController(to);
    View *toView = to->view();
    toView->setFrame(finalFrame);
    toView->setParent(container);
    toView->show();

    const int durationMs = int(transitionDuration(context) * 1000);
    QPointer<TransitionContext> weakContext = context;
    auto complete = [weakContext]() {
        // The animation has put the view back to the identity transform and alpha 1.0.
        if (weakContext)
            weakContext->completeTransition(true);
    };
    if (m_operation == NavigationOperation::Pop) {
        View *fromView = from->view();
        fromView->raise();
        const QPointF point = growthPoint(to);
        const ViewState start{1.0, ViewSupport::frame(fromView).center(), 1.0};
        const ViewState end{kStartScale, point, kStartAlpha};
        context->animateView(fromView, start, end, durationMs, complete);
    } else {
        const QPointF point = growthPoint(from);
        const ViewState start{kStartScale, point, kStartAlpha};
        const ViewState end{1.0, QPointF(finalFrame.width() / 2, finalFrame.height() / 2), 1.0};
        context->animateView(toView, start, end, durationMs, complete);
    }
}

void CustomNavControllerTransitionAnimator::animationEnded(bool) {}
