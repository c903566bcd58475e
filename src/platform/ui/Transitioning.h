#pragma once

#include <QObject>
#include <QPointF>
#include <QPointer>
#include <QRectF>

#include <functional>
#include <memory>

class NavigationController;
class ViewAnimation;

#include "ViewController.h"
class QWidget;

enum class NavigationOperation { None, Push, Pop };

// How a view is drawn during an animation: scaled about its centre by `scale` (1 is the
// identity transform), its centre at `center` (parent coordinates), with opacity `alpha`.
struct ViewState
{
    qreal scale = 1.0;
    QPointF center;
    qreal alpha = 1.0;

    // The rectangle a view of `size` covers in this state.
    QRectF frameFor(const QSizeF &size) const;
    bool operator==(const ViewState &other) const = default;
};

// The context of one push or pop: the container view, the two screens, the target's final
// frame, and the animation facility that draws a view in changing states. The animator
// must call completeTransition() when it is done; the navigation stack then finishes the
// push or pop.
//
// Thread: main thread. Failure: none; a second completeTransition() is ignored.
class TransitionContext : public QObject
{
    Q_OBJECT
public:
    enum class Key { From, To };

    TransitionContext(NavigationController *navigation, NavigationOperation operation, ViewController *from,
                      ViewController *to, QObject *parent = nullptr);

    QWidget *containerView() const;
    ViewController *viewControllerForKey(Key key) const { return key == Key::From ? m_from : m_to; }
    QRectF finalFrameForViewController(const ViewController *controller) const;
    NavigationOperation operation() const { return m_operation; }

    // Animates `view` from one state to another over `durationMs` (ease in, ease out); the
    // view is drawn from a picture of itself and shown for real again, untransformed and
    // opaque, before `completion` runs.
    ViewAnimation *animateView(QWidget *view, const ViewState &from, const ViewState &to, int durationMs,
                               std::function<void()> completion);
    ViewAnimation *runningAnimation() const;

    void completeTransition(bool didComplete);
    bool isComplete() const { return m_complete; }

signals:
    void completed(bool didComplete);

private:
    NavigationController *m_navigation;
    NavigationOperation m_operation;
    QPointer<ViewController> m_from;
    QPointer<ViewController> m_to;
    QPointer<QObject> m_animation;  // the ViewAnimation while it runs
    bool m_complete = false;
};

// An animator for one transition (the toolkit's animated-transitioning protocol).
class AnimatedTransitioning
{
public:
    virtual ~AnimatedTransitioning() = default;
    virtual double transitionDuration(TransitionContext *context) const = 0;  // seconds
    virtual void animateTransition(TransitionContext *context) = 0;
    virtual void animationEnded(bool transitionCompleted) { Q_UNUSED(transitionCompleted) }
};

// The navigation stack's delegate: supplies the animator of each animated push and pop.
// The delegate must outlive its registration; a ViewController that is the delegate is
// unregistered automatically when it is destroyed.
class NavigationControllerDelegate
{
public:
    virtual ~NavigationControllerDelegate() = default;
    virtual std::unique_ptr<AnimatedTransitioning> animationControllerForOperation(NavigationController *navigation,
                                                                                   NavigationOperation operation,
                                                                                   ViewController *from,
                                                                                   ViewController *to) = 0;
};
