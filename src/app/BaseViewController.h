#pragma once

#include "Transitioning.h"
#include "ViewController.h"
#include "ZQToolBarView.h"

#include <QPointF>
#include <QPointer>

#include <optional>

// Base of every screen: the status band, the tool bar, the bottom band below the usable
// height, light status-bar content, the back action (pop, animated) and the zoom animator
// for every push and pop it is the navigation delegate of.
//
// Subclasses call setTitle / setLeftBtn / setRightBtn on toolBar(); their content starts
// below the bar (top inset + 44) and ends at the usable height.
//
// Thread: main thread. Failure: none.
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

private:
    QPointer<ZQToolBarView> m_toolBar;
    QPointer<View> m_statusBand;
    QPointer<View> m_bottomBand;
    qreal m_cellMargin = 0;
    std::optional<QPointF> m_hitPointForAnimateTransition;
};
