#include "BaseViewController.h"
#include <QThread>
#include <QPointer>
#include <QCoreApplication>
#include "platform/ui/ViewSupport.h"
#include "platform/ui/ActivityIndicatorView.h"
#include "platform/ui/KeyCommands.h"

#include "CustomNavControllerTransitionAnimator.h"
#include "platform/ui/NavigationController.h"
#include "ScreenMetrics.h"
#include "platform/ui/SystemUi.h"
#include "platform/ui/View.h"

namespace {
const QColor kBarBlue(39, 64, 139);
const QColor kBandGreen(46, 139, 87);
}

BaseViewController::BaseViewController(QObject *parent) : ViewController(parent) {}

void BaseViewController::viewDidLoad()
{
    ViewController::viewDidLoad();
    View *root = view();
    const QRectF bounds = root->bounds();
    const qreal topInset = ScreenMetrics::topInset();
    if (topInset > 0) {
        m_statusBand = new View(QRectF(0, 0, bounds.width(), topInset), root);
        m_statusBand->setBackgroundColor(kBarBlue);
    }
    m_toolBar = new ZQToolBarView(QRectF(), root);
    m_toolBar->setDelegate(this);
    const qreal usable = ScreenMetrics::usableHeight();
    if (usable < bounds.height()) {
        m_bottomBand = new View(QRectF(0, usable, bounds.width(), bounds.height() - usable), root);
        m_bottomBand->setBackgroundColor(kBandGreen);
    }
    SystemUi::setStatusBarHidden(true, false);
    SystemUi::setIdleTimerDisabled(true);

    // Backspace and Alt+Left go back, as the tool bar's back button does, from the top
    // screen only (not from one that is leaving).
    const auto goBack = [this] {
        NavigationController *navigation = navigationController();
        if (navigation && navigation->topViewController() == this && navigation->viewControllers().size() > 1)
            back(nullptr);
    };
    KeyCommands::add(root, QKeyCombination(Qt::Key_Backspace), goBack);
    KeyCommands::add(root, QKeyCombination(Qt::AltModifier, Qt::Key_Left), goBack);
}

void BaseViewController::viewWillDisappear(bool animated)
{
    ViewController::viewWillDisappear(animated);
    if (ScreenMetrics::systemVersion() < 9.0 && navigationController())
        navigationController()->setDelegate(nullptr);
}

std::unique_ptr<AnimatedTransitioning> BaseViewController::animationControllerForOperation(NavigationController *,
                                                                                           NavigationOperation operation,
                                                                                           ViewController *,
                                                                                           ViewController *)
{
    return std::make_unique<CustomNavControllerTransitionAnimator>(operation);
}

void BaseViewController::back(QObject *)
{
    if (navigationController())
        navigationController()->popViewControllerAnimated(true);
}

void BaseViewController::pushFromPoint(std::unique_ptr<ViewController> screen, const QPointF &point)
{
    NavigationController *navigation = navigationController();
    if (!navigation || !screen)
        return;
    m_hitPointForAnimateTransition = point;
    navigation->setDelegate(this);
    navigation->pushViewController(std::move(screen), true);
}

void BaseViewController::addActivityView(View *root)
{
    m_activityView = new ActivityIndicatorView(ActivityIndicatorView::Style::WhiteLarge, root);
    const QPointF centre = root->bounds().center();
    m_activityView->setFrame(QRectF(centre.x() - 25, centre.y() - 25, 50, 50));
    m_activityView->raise();
}

void BaseViewController::startLoading()
{
    if (!m_activityView)
        return;
    if (m_activityViewCenter)
        ViewSupport::setCenter(m_activityView, *m_activityViewCenter);
    m_activityView->startAnimating();
}

void BaseViewController::startLoadingInBackground()
{
    QPointer<BaseViewController> guard(this);
    QThread *loading = QThread::create([guard]() {
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [guard]() {
                if (guard)
                    guard->startLoading();
            },
            Qt::QueuedConnection);
    });
    connect(loading, &QThread::finished, loading, &QObject::deleteLater);
    loading->start();
}

void BaseViewController::stopSpinner()
{
    if (m_activityView && m_activityView->isAnimating())
        m_activityView->stopAnimating();
}
