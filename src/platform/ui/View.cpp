#include "View.h"

#include "ViewSupport.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

View::View(QWidget *parent) : QWidget(parent) {}

View::View(const QRectF &frame, QWidget *parent) : QWidget(parent) { setFrame(frame); }

void View::setFrame(const QRectF &frame) { ViewSupport::setFrame(this, frame); }

QRectF View::frame() const { return ViewSupport::frame(this); }

QRectF View::bounds() const { return ViewSupport::bounds(this); }

void View::setBackgroundColor(const QColor &color)
{
    m_backgroundColor = color;
    update();
}

void View::setCornerRadius(qreal radius)
{
    m_cornerRadius = radius;
    update();
}

void View::setBorder(qreal width, const QColor &color)
{
    m_borderWidth = width;
    m_borderColor = color;
    update();
}

void View::insertGradientLayer(const GradientLayer &layer)
{
    m_gradients.prepend(layer);
    update();
}

void View::addSubview(QWidget *child)
{
    child->setParent(this);
    child->raise();
    child->show();
}

void View::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintBackground(painter);
    paintBorder(painter);
}

QPainterPath View::layerShape() const
{
    const QRectF rect = QRectF(QWidget::rect());
    QPainterPath shape;
    if (m_cornerRadius > 0)
        shape.addRoundedRect(rect, m_cornerRadius, m_cornerRadius);
    else
        shape.addRect(rect);
    return shape;
}

void View::paintBackground(QPainter &painter) const
{
    if (m_backgroundColor.alpha() == 0 && m_gradients.isEmpty())
        return;
    painter.save();
    if (m_cornerRadius > 0) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setClipPath(layerShape());
    }
    const QRectF rect = QRectF(QWidget::rect());
    if (m_backgroundColor.alpha() > 0)
        painter.fillRect(rect, m_backgroundColor);
    for (const GradientLayer &layer : m_gradients) {
        QLinearGradient gradient(layer.frame.topLeft(), layer.frame.bottomLeft());
        gradient.setColorAt(0.0, layer.top);
        gradient.setColorAt(1.0, layer.bottom);
        painter.fillRect(layer.frame, gradient);
    }
    painter.restore();
}

void View::paintBorder(QPainter &painter) const
{
    if (m_borderWidth <= 0)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, m_cornerRadius > 0);
    // The border lies inside the bounds, as a layer border does.
    const QRectF rect = QRectF(QWidget::rect());
    const QRectF innerRect = rect.adjusted(m_borderWidth, m_borderWidth, -m_borderWidth, -m_borderWidth);
    const qreal innerRadius = qMax<qreal>(0, m_cornerRadius - m_borderWidth);
    QPainterPath inner;
    if (innerRadius > 0)
        inner.addRoundedRect(innerRect, innerRadius, innerRadius);
    else
        inner.addRect(innerRect);
    painter.fillPath(layerShape().subtracted(inner), m_borderColor);
    painter.restore();
}
