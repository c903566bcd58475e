#pragma once

#include "platform/ui/Transitioning.h"

#include <QPointer>

#include <optional>

// The zoom used for every push and pop: over 0.8 seconds a pushed screen grows from the
// opener's hitPointForAnimateTransition (scale 0.01, alpha 0.6) to its full frame, and a
// popped screen shrinks back into that point. Without the point the zoom uses (0, 0).
//
// Thread: main thread. Failure: none.
class CustomNavControllerTransitionAnimator : public AnimatedTransitioning
{
public:
    static constexpr double kDuration = 0.8;
    static constexpr qreal kStartScale = 0.01;
    static constexpr qreal kStartAlpha = 0.6;

    explicit CustomNavControllerTransitionAnimator(std::optional<NavigationOperation> operation = std::nullopt);

    TransitionContext *transitionContext() const { return m_transitionContext; }
    std::optional<NavigationOperation> operation() const { return m_operation; }
    void setOperation(NavigationOperation operation) { m_operation = operation; }

    double transitionDuration(TransitionContext *context) const override;
    void animateTransition(TransitionContext *context) override;
    void animationEnded(bool transitionCompleted) override;

    // The point a screen grows from or shrinks into: the screen's
    // hitPointForAnimateTransition when it is a BaseViewController that has one, else (0, 0).
    static QPointF growthPoint(ViewController *screen);

private:
    QPointer<TransitionContext> m_transitionContext;
    std::optional<NavigationOperation> m_operation;
};
