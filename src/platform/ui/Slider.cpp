#include "Slider.h"

#include "PlatformColors.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace {
constexpr qreal kTrackHeight = 2;
constexpr int kStepsPerRange = 20;
}

Slider::Slider(QWidget *parent) : View(parent), m_minimumTrackColor(PlatformColors::tint())
{
    setFocusPolicy(Qt::WheelFocus);
}

Slider::Slider(const QRectF &frame, QWidget *parent) : Slider(parent) { setFrame(frame); }

void Slider::setMinimumValue(float value)
{
    m_minimum = value;
    m_value = clamped(m_value);
    update();
}

void Slider::setMaximumValue(float value)
{
    m_maximum = value;
    m_value = clamped(m_value);
    update();
}

void Slider::setValue(float value)
{
    m_value = clamped(value);
    update();
}

void Slider::setMinimumTrackTintColor(const QColor &color)
{
    m_minimumTrackColor = color;
    update();
}

float Slider::clamped(float value) const
{
    if (m_maximum <= m_minimum)
        return m_minimum;
    return qBound(m_minimum, value, m_maximum);
}

// The thumb's centre travels between half a thumb from either end.
qreal Slider::trackLeft() const { return kThumbDiameter / 2; }

qreal Slider::trackWidth() const { return qMax<qreal>(0, bounds().width() - kThumbDiameter); }

QRectF Slider::thumbRect() const
{
    const qreal span = m_maximum - m_minimum;
    const qreal fraction = span > 0 ? (m_value - m_minimum) / span : 0;
    const qreal centreX = trackLeft() + fraction * trackWidth();
    const qreal centreY = bounds().height() / 2;
    return QRectF(centreX - kThumbDiameter / 2, centreY - kThumbDiameter / 2, kThumbDiameter, kThumbDiameter);
}

float Slider::valueForX(qreal x) const
{
    const qreal width = trackWidth();
    const qreal fraction = width > 0 ? qBound<qreal>(0, (x - trackLeft()) / width, 1) : 0;
    return clamped(float(m_minimum + fraction * (m_maximum - m_minimum)));
}

void Slider::moveTo(float value, bool emitNow)
{
    const float next = clamped(value);
    if (next == m_value)
        return;
    m_value = next;
    update();
    if (emitNow)
        emit valueChanged(this);
    else
        m_changedWhileTracking = true;
}

void Slider::stepBy(int steps)
{
    moveTo(m_value + steps * (m_maximum - m_minimum) / kStepsPerRange, true);
}

void Slider::paintEvent(QPaintEvent *event)
{
    View::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF thumb = thumbRect();
    const qreal y = bounds().height() / 2 - kTrackHeight / 2;
    const QRectF filled(trackLeft() - kThumbDiameter / 2 + 2, y, thumb.center().x() - 2, kTrackHeight);
    const QRectF empty(thumb.center().x(), y, bounds().width() - 2 - thumb.center().x(), kTrackHeight);
    painter.setPen(Qt::NoPen);
    painter.setBrush(PlatformColors::separator());
    painter.drawRoundedRect(empty, 1, 1);
    painter.setBrush(isEnabled() ? m_minimumTrackColor : PlatformColors::separator());
    painter.drawRoundedRect(filled, 1, 1);
    // The thumb: white with a soft shadow and a hairline rim.
    for (int i = 3; i >= 1; --i) {
        painter.setBrush(QColor(0, 0, 0, 12 * (4 - i)));
        painter.drawEllipse(thumb.translated(0, 1).adjusted(-i * 0.5, -i * 0.5, i * 0.5, i * 0.5));
    }
    painter.setBrush(Qt::white);
    painter.setPen(QPen(QColor(0, 0, 0, 30), 0.5));
    painter.drawEllipse(thumb.adjusted(0.5, 0.5, -0.5, -0.5));
}

void Slider::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    event->accept();
    m_tracking = true;
    m_changedWhileTracking = false;
    const QPointF point = event->position();
    const QRectF thumb = thumbRect().adjusted(-6, -6, 6, 6);
    // On the thumb, the thumb keeps its place under the pointer; on the track it jumps there.
    m_grabOffset = thumb.contains(point) ? thumbRect().center().x() - point.x() : 0;
    moveTo(valueForX(point.x() + m_grabOffset), m_continuous);
}

void Slider::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_tracking) {
        event->ignore();
        return;
    }
    event->accept();
    moveTo(valueForX(event->position().x() + m_grabOffset), m_continuous);
}

void Slider::mouseReleaseEvent(QMouseEvent *event)
{
    if (!m_tracking || event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    event->accept();
    moveTo(valueForX(event->position().x() + m_grabOffset), m_continuous);
    m_tracking = false;
    if (!m_continuous && m_changedWhileTracking)
        emit valueChanged(this);
    m_changedWhileTracking = false;
}

void Slider::wheelEvent(QWheelEvent *event)
{
    const QPoint delta = event->angleDelta();
    const int notches = (qAbs(delta.y()) >= qAbs(delta.x()) ? delta.y() : -delta.x()) / 120;
    if (notches == 0) {
        event->ignore();
        return;
    }
    event->accept();
    stepBy(notches);
}

void Slider::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Down:
        stepBy(-1);
        break;
    case Qt::Key_Right:
    case Qt::Key_Up:
        stepBy(1);
        break;
    default:
        View::keyPressEvent(event);
        return;
    }
    event->accept();
}
