#pragma once

#include "platform/ui/Transitioning.h"
#include "platform/ui/ViewController.h"
#include "ZQToolBarView.h"

#include <QPointF>
#include <QPointer>

#include <optional>

// Base of every screen: the status band, the tool bar, the bottom band below the usable
// height, light status-bar content, the back action (pop, animated) and the zoom animator
// for every push and pop it is the navigation delegate of.
//
// Subclasses call setTitle / setLeftBtn / setRightBtn on toolBar(); their content starts
// below the bar (top inset + 44) and ends at the usable height. Backspace and Alt+Left call
// back() on the top screen (KeyCommands); subclasses add their own keys on view().
//
// Thread: main thread. Failure: none.
class ActivityIndicatorView;

class BaseViewController : public ViewController, public ToolBarDelegete, public NavigationControllerDelegate
{
    Q_OBJECT
public:
    explicit BaseViewController(QObject *parent = nullptr);

    ZQToolBarView *toolBar() const { return m_toolBar; }
    qreal cellMargin() const { return m_cellMargin; }
    void setCellMargin(qreal margin) { m_cellMargin = margin; }
    std::optional<QPointF> hitPointForAnimateTransition() const { return m_hitPointForAnimateTransition; }
    void setHitPointForAnimateTransition(std::optional<QPointF> point) { m_hitPointForAnimateTransition = point; }
    View *statusBand() const { return m_statusBand; }
    View *bottomBand() const { return m_bottomBand; }

    void viewDidLoad() override;
    void viewWillDisappear(bool animated) override;
    StatusBarStyle preferredStatusBarStyle() const override { return StatusBarStyle::LightContent; }
    std::unique_ptr<AnimatedTransitioning> animationControllerForOperation(NavigationController *navigation,
                                                                           NavigationOperation operation,
                                                                           ViewController *from,
                                                                           ViewController *to) override;
    void back(QObject *sender) override;

    // Sets the transition point, becomes the navigation delegate and pushes, animated.
    void pushFromPoint(std::unique_ptr<ViewController> screen, const QPointF &point);

    // The loading spinner shown while a screen opens another (main and category screens).
    ActivityIndicatorView *activityView() const { return m_activityView; }
    std::optional<QPointF> activityViewCenter() const { return m_activityViewCenter; }
    // Main thread: centres the spinner on activityViewCenter and starts it.
    void startLoading();
    // Starts a short-lived thread that hands startLoading() back to the main thread. The
    // thread only posts to the application object: the screen may be gone by the time it
    // runs, which a guard, read on the main thread, tells.
    void startLoadingInBackground();

protected:
    // A large white 50 x 50 spinner centred in `root`, on top of its views.
    void addActivityView(View *root);
    void setActivityViewCenter(std::optional<QPointF> centre) { m_activityViewCenter = centre; }
    void stopSpinner();

private:
    QPointer<ZQToolBarView> m_toolBar;
    QPointer<View> m_statusBand;
    QPointer<View> m_bottomBand;
    qreal m_cellMargin = 0;
    std::optional<QPointF> m_hitPointForAnimateTransition;
    ActivityIndicatorView *m_activityView = nullptr;
    std::optional<QPointF> m_activityViewCenter;
};
