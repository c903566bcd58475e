#include "DraggableWordView.h"

#include "WordOrderAdjustVC.h"
#include "platform/ui/Fonts.h"
#include "platform/ui/GestureRecognizers.h"
#include "platform/ui/ScrollView.h"
#include "platform/ui/ViewSupport.h"

#include <QMouseEvent>

DraggableWordView::DraggableWordView(const QRectF &frame, QWidget *parent) : Label(frame, parent) {}

WordOrderAdjustVC *DraggableWordView::myDelegate() const { return m_myDelegate; }

void DraggableWordView::setMyDelegate(WordOrderAdjustVC *screen) { m_myDelegate = screen; }

void DraggableWordView::initStyle()
{
    setTextAlignment(Qt::AlignHCenter);
    setFont(Fonts::systemFont(0.5 * bounds().height()));
    setTextColor(QColor(185, 185, 185));
    setBackgroundColor(QColor(34, 34, 34));
    ViewSupport::setUserInteractionEnabled(this, true);
    m_pan = new PanGestureRecognizer(this);
    m_pan->setMinimumNumberOfTouches(1);
    m_pan->setMaximumNumberOfTouches(1);
    m_pan->attachTo(this);
    connect(m_pan, &GestureRecognizer::triggered, this, &DraggableWordView::moveAction);
}

QWidget *DraggableWordView::workArea() const
{
    // The tile lies in the scroll view's content view.
    QWidget *content = parentWidget();
    return content ? qobject_cast<ScrollView *>(content->parentWidget()) : nullptr;
}

void DraggableWordView::moveAction(GestureRecognizer *recognizer)
{
    auto *pan = qobject_cast<PanGestureRecognizer *>(recognizer);
    if (!pan || !ViewSupport::isUserInteractionEnabled(this))
        return;
    raise();
    QWidget *area = workArea();
    // The translation counts from the press, the few points before the drag was recognised
    // included: the tile catches up with them at once, so the point that was grabbed stays
    // under the pointer for the whole drag.
    const QPointF translation = pan->translationInView(area);
    if (pan->state() == GestureRecognizer::State::Began || !m_originCenter)
        m_originCenter = ViewSupport::center(this);
    const QPointF candidate = *m_originCenter + translation;
    const QSizeF areaSize = area ? ViewSupport::bounds(area).size() : QSizeF(1e9, 1e9);
    ViewSupport::setCenter(this, clampedCenter(candidate, bounds().size(), areaSize));
    const bool finished =
        pan->state() == GestureRecognizer::State::Ended || pan->state() == GestureRecognizer::State::Cancelled;
    if (!finished)
        return;
    m_originCenter.reset();
    if (m_myDelegate)
        m_myDelegate->reorderWords(this);
}

QPointF DraggableWordView::clampedCenter(const QPointF &candidate, const QSizeF &tile, const QSizeF &area)
{
    // At least half the tile, then at most the area less half the tile: a tile wider than
    // the area keeps its left half-width inside.
    const qreal x = qMin(qMax(candidate.x(), tile.width() / 2), area.width() - tile.width() / 2);
    const qreal y = qMin(qMax(candidate.y(), tile.height() / 2), area.height() - tile.height() / 2);
    return QPointF(x, y);
}

void DraggableWordView::mousePressEvent(QMouseEvent *event)
{
    raise();
    event->accept();
}

bool DraggableWordView::event(QEvent *event)
{
    if (event->type() == QEvent::TouchBegin)
        raise();
    return Label::event(event);
}
