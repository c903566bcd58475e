#pragma once

#include "Transitioning.h"
#include "ViewController.h"

#include <QList>

#include <memory>
#include <vector>

// The navigation stack of the phone toolkit: a container view showing the top screen of a
// stack of view controllers. Pushes and pops are animated by the animator the delegate
// supplies; without a delegate, an animator or animation the change is immediate. While a
// transition runs, a further push or pop first completes it.
//
// Appearance calls: the leaving screen gets viewWillDisappear, the arriving one
// viewWillAppear, before the transition; viewDidDisappear and viewDidAppear after it.
// The navigation bar is always hidden (screens draw their own tool bar).
//
// Ownership: the stack owns its controllers; a popped controller is deleted once its
// transition is complete (later in the event loop, so a back button may pop its own screen).
//
// Thread: main thread. Failure: popping the root does nothing and returns false.
class NavigationController : public ViewController
{
    Q_OBJECT
public:
    explicit NavigationController(std::unique_ptr<ViewController> root, QObject *parent = nullptr);
    ~NavigationController() override;

    void pushViewController(std::unique_ptr<ViewController> controller, bool animated);
    bool popViewControllerAnimated(bool animated);

    ViewController *topViewController() const;
    QList<ViewController *> viewControllers() const;

    // A delegate that is a QObject is dropped automatically when it is destroyed.
    void setDelegate(NavigationControllerDelegate *delegate);
    NavigationControllerDelegate *delegate() const;
    void setNavigationBarHidden(bool hidden) { m_navigationBarHidden = hidden; }
    bool isNavigationBarHidden() const { return m_navigationBarHidden; }

    bool isTransitioning() const { return m_context != nullptr; }
    TransitionContext *transitionContext() const { return m_context.get(); }
    // Completes a running transition at once.
    void finishTransition();

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewDidAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;
    void viewDidDisappear(bool animated) override;

signals:
    void didShowViewController(ViewController *controller);

private:
    void show(ViewController *controller);
    void transition(NavigationOperation operation, ViewController *from, ViewController *to, bool animated);
    void completeTransition(NavigationOperation operation, ViewController *from, ViewController *to,
                            bool animated);

    std::vector<std::unique_ptr<ViewController>> m_stack;
    NavigationControllerDelegate *m_delegate = nullptr;
    QPointer<QObject> m_delegateGuard;
    bool m_delegateGuarded = false;
    bool m_navigationBarHidden = true;
    std::unique_ptr<TransitionContext> m_context;
    std::unique_ptr<AnimatedTransitioning> m_animator;
    std::unique_ptr<ViewController> m_popped;
};
