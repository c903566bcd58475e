#include "UnclippedView.h"

#include "AlertView.h"
#include "ScrollView.h"
#include "View.h"
#include "ViewSupport.h"

#include <QChildEvent>
#include <QEvent>
#include <QGraphicsEffect>
#include <QRegion>

namespace {
constexpr const char *kLinkProperty = "_pb_unclipped";

// The transparent layer an unclipped view is drawn from. It deletes itself once the view
// has left it.
class Carrier : public QWidget
{
public:
    explicit Carrier(QWidget *parent) : QWidget(parent) {}

protected:
    void childEvent(QChildEvent *event) override
    {
        QWidget::childEvent(event);
        if (event->type() == QEvent::ChildRemoved && findChildren<QWidget *>(Qt::FindDirectChildrenOnly).isEmpty())
            deleteLater();
    }
};
}

bool UnclippedView::clipsSubviews(const QWidget *widget)
{
    if (widget->isWindow() || qobject_cast<const ScrollView *>(widget))
        return true;
    const auto *view = qobject_cast<const View *>(widget);
    return view && view->clipsToBounds();
}

UnclippedView::UnclippedView(QWidget *view, QWidget *superview)
    : QObject(view), m_view(view), m_superview(superview), m_frame(ViewSupport::frame(view))
{
}

void UnclippedView::attach(QWidget *view)
{
    if (!view || of(view) || !view->parentWidget())
        return;
    QWidget *superview = view->parentWidget();
    auto *link = new UnclippedView(view, superview);
    view->setProperty(kLinkProperty, QVariant::fromValue(static_cast<QObject *>(link)));
    connect(superview, &QObject::destroyed, link, &UnclippedView::onSuperviewDestroyed);
    const bool hidden = view->isHidden();
    link->m_updating = true;
    link->m_carrier = new Carrier(link->clippingAncestor());
    view->setParent(link->m_carrier);
    view->setVisible(!hidden);
    view->installEventFilter(link);
    link->m_updating = false;
    link->watchAncestors();
    link->update();
}

UnclippedView *UnclippedView::of(const QWidget *view)
{
    if (!view)
        return nullptr;
    return qobject_cast<UnclippedView *>(view->property(kLinkProperty).value<QObject *>());
}

void UnclippedView::setFrame(const QRectF &frame)
{
    m_frame = frame;
    update();
}

// The nearest ancestor, from the superview up, that cuts off its subviews on the phone.
QWidget *UnclippedView::clippingAncestor() const
{
    QWidget *widget = m_superview;
    while (widget && !clipsSubviews(widget))
        widget = widget->parentWidget();
    return widget;
}

void UnclippedView::watchAncestors()
{
    for (const QPointer<QWidget> &widget : std::as_const(m_watched)) {
        if (widget)
            widget->removeEventFilter(this);
    }
    m_watched.clear();
    for (QWidget *widget = m_superview; widget; widget = widget->parentWidget()) {
        widget->installEventFilter(this);
        m_watched.append(widget);
    }
}

bool UnclippedView::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::ParentChange:
        if (watched != m_view.data()) {
            watchAncestors();
            update();
        }
        break;
    case QEvent::Move:
    case QEvent::Resize:
        if (watched == m_view.data())
            updateMask();
        else
            update();
        break;
    case QEvent::ShowToParent:
    case QEvent::HideToParent:
        updateVisibility();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void UnclippedView::update()
{
    if (m_updating || !m_view || !m_superview || !m_carrier)
        return;
    QWidget *host = clippingAncestor();
    if (!host)
        return;
    m_updating = true;
    if (m_carrier->parentWidget() != host) {
        m_carrier->setParent(host);
        m_carrier->hide();  // shown again below when the view should show
    }
    m_carrier->setGeometry(host->rect());
    const QPointF topLeft = m_superview->mapTo(host, m_frame.topLeft());
    m_view->setGeometry(ViewSupport::roundedRect(QRectF(topLeft, m_frame.size())));
    m_updating = false;
    updateVisibility();
    updateMask();
}

void UnclippedView::updateVisibility()
{
    if (!m_view || !m_superview || !m_carrier)
        return;
    QWidget *host = m_carrier->parentWidget();
    const bool shown = !m_view->isHidden() && host && m_superview->isVisibleTo(host)
        && !m_view->geometry().isEmpty();
    if (shown == !m_carrier->isHidden())
        return;
    m_carrier->setVisible(shown);
    if (!shown)
        return;
    // Over its host's other views, but under the alerts shown there.
    m_carrier->raise();
    for (QWidget *sibling : host->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (qobject_cast<AlertView *>(sibling) && sibling->isVisible())
            sibling->raise();
    }
}

void UnclippedView::updateMask()
{
    if (!m_view || !m_carrier)
        return;
    QRect area = m_view->geometry();
    if (QGraphicsEffect *effect = m_view->graphicsEffect())
        area = effect->boundingRectFor(QRectF(m_view->rect())).toAlignedRect().translated(m_view->pos());
    // An empty region would lift the mask altogether: an empty view hides its carrier.
    if (area.isEmpty()) {
        updateVisibility();
        return;
    }
    m_carrier->setMask(QRegion(area));
}

void UnclippedView::onSuperviewDestroyed()
{
    // A destroyed superview takes its subviews with it.
    if (m_carrier) {
        m_carrier->hide();
        m_carrier->deleteLater();
    }
}
