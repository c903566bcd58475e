#include "ScrollView.h"

#include "GestureRecognizers.h"

#include <QPainter>
#include <QTimer>
#include <QVariantAnimation>
#include <QWheelEvent>

namespace {
// The indicator: a thin rounded bar at the right edge, shown while scrolling.
class ScrollIndicator : public QWidget
{
public:
    explicit ScrollIndicator(QWidget *parent) : QWidget(parent)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        m_hide.setSingleShot(true);
        m_hide.setInterval(600);
        QObject::connect(&m_hide, &QTimer::timeout, this, &QWidget::hide);
        hide();
    }
    void flash()
    {
        show();
        raise();
        m_hide.start();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 0, 110));
        painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 1.5, 1.5);
    }

private:
    QTimer m_hide;
};
}

ScrollView::ScrollView(QWidget *parent) : View(parent)
{
    m_content = new View(this);
    m_indicator = new ScrollIndicator(this);
    m_pan = new PanGestureRecognizer(this);
    connect(m_pan, &GestureRecognizer::triggered, this, &ScrollView::onPan);
}

ScrollView::ScrollView(const QRectF &frame, QWidget *parent) : ScrollView(parent) { setFrame(frame); }

ScrollView::~ScrollView()
{
    if (m_animation)
        m_animation->stop();
}

void ScrollView::setContentSize(const QSizeF &size)
{
    m_contentSize = size;
    m_offset = clamp(m_offset);
    applyOffset();
}

QPointF ScrollView::maximumContentOffset() const
{
    const QSizeF visible = bounds().size();
    return QPointF(qMax<qreal>(0, m_contentSize.width() - visible.width()),
                   qMax<qreal>(0, m_contentSize.height() - visible.height()));
}

QPointF ScrollView::clamp(const QPointF &offset) const
{
    const QPointF maximum = maximumContentOffset();
    return QPointF(qBound<qreal>(0, offset.x(), maximum.x()), qBound<qreal>(0, offset.y(), maximum.y()));
}

void ScrollView::setContentOffset(const QPointF &offset, bool animated)
{
    if (m_animation)
        m_animation->stop();
    const QPointF target = clamp(offset);
    if (!animated || target == m_offset) {
        m_offset = target;
        applyOffset();
        return;
    }
    auto *animation = new QVariantAnimation(this);
    animation->setStartValue(m_offset);
    animation->setEndValue(target);
    animation->setDuration(300);
    animation->setEasingCurve(QEasingCurve::OutCubic);
    connect(animation, &QVariantAnimation::valueChanged, this, [this](const QVariant &value) {
        m_offset = clamp(value.toPointF());
        applyOffset();
    });
    m_animation = animation;
    animation->start(QAbstractAnimation::DeleteWhenStopped);
}

void ScrollView::scrollRectToVisible(const QRectF &rect, bool animated)
{
    const QSizeF visible = bounds().size();
    QPointF offset = m_offset;
    if (rect.bottom() > offset.y() + visible.height())
        offset.setY(rect.bottom() - visible.height());
    if (rect.top() < offset.y())
        offset.setY(rect.top());
    if (rect.right() > offset.x() + visible.width())
        offset.setX(rect.right() - visible.width());
    if (rect.left() < offset.x())
        offset.setX(rect.left());
    setContentOffset(offset, animated);
}

void ScrollView::setShowsVerticalScrollIndicator(bool shows)
{
    m_showsIndicator = shows;
    if (!shows)
        m_indicator->hide();
}

void ScrollView::setScrollEnabled(bool enabled)
{
    m_scrollEnabled = enabled;
    m_pan->setEnabled(enabled);
}

void ScrollView::applyOffset()
{
    const QSizeF visible = bounds().size();
    const QSizeF size(qMax(visible.width(), m_contentSize.width()), qMax(visible.height(), m_contentSize.height()));
    m_content->setFrame(QRectF(-m_offset, size));
    if (m_showsIndicator && m_contentSize.height() > visible.height() && visible.height() > 0) {
        const qreal length = qMax<qreal>(20, visible.height() * visible.height() / m_contentSize.height());
        const qreal travel = visible.height() - length - 4;
        const qreal maximum = maximumContentOffset().y();
        const qreal y = 2 + (maximum > 0 ? travel * m_offset.y() / maximum : 0);
        m_indicator->setGeometry(QRectF(visible.width() - 5, y, 3, length).toRect());
    }
    emit didScroll();
}

void ScrollView::resizeEvent(QResizeEvent *event)
{
    View::resizeEvent(event);
    m_offset = clamp(m_offset);
    applyOffset();
}

void ScrollView::wheelEvent(QWheelEvent *event)
{
    if (!m_scrollEnabled) {
        event->ignore();
        return;
    }
    QPointF delta = event->pixelDelta();
    if (delta.isNull())
        delta = QPointF(event->angleDelta()) / 120.0 * 40.0;
    const QPointF before = m_offset;
    setContentOffset(m_offset - delta);
    if (m_showsIndicator && m_offset != before)
        static_cast<ScrollIndicator *>(m_indicator)->flash();
    event->setAccepted(m_offset != before);
}

void ScrollView::onPan()
{
    switch (m_pan->state()) {
    case GestureRecognizer::State::Began:
        if (m_animation)
            m_animation->stop();
        m_panStartOffset = m_offset;
        [[fallthrough]];
    case GestureRecognizer::State::Changed: {
        QPointF translation = m_pan->translationInView(this);
        if (m_contentSize.width() <= bounds().width())
            translation.setX(0);
        m_offset = clamp(m_panStartOffset - translation);
        applyOffset();
        if (m_showsIndicator)
            static_cast<ScrollIndicator *>(m_indicator)->flash();
        break;
    }
    case GestureRecognizer::State::Ended: {
        // A short glide in the direction of the flick.
        const QPointF velocity = m_pan->velocityInView(this);
        if (qAbs(velocity.y()) > 200 || qAbs(velocity.x()) > 200)
            setContentOffset(m_offset - velocity * 0.25, true);
        break;
    }
    default:
        break;
    }
}
