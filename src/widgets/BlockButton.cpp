#include "BlockButton.h"

#include <QGuiApplication>
#include <QPainter>

BlockButton::BlockButton(QWidget *parent) : Button(parent) { wire(); }

BlockButton::BlockButton(qreal x, qreal y, qreal w, qreal h, QWidget *parent) : Button(QRectF(x, y, w, h), parent)
{
    wire();
}

BlockButton::BlockButton(qreal x, qreal y, qreal w, qreal h, Action action, QWidget *parent)
    : Button(QRectF(x, y, w, h), parent), m_action(std::move(action))
{
    wire();
}

BlockButton::BlockButton(const QRectF &frame, QWidget *parent) : Button(frame, parent) { wire(); }

BlockButton::BlockButton(const QRectF &frame, Action action, QWidget *parent)
    : Button(frame, parent), m_action(std::move(action))
{
    wire();
}

void BlockButton::wire()
{
    connect(this, &Button::touchUpInside, this, [this]() { didPressed(); });
    connect(this, &Button::touchDown, this, [this]() { highlight(); });
    connect(this, &Button::touchDragEnter, this, [this]() { highlight(); });
    connect(this, &Button::touchDragExit, this, [this]() { unhighlight(); });
    connect(this, &Button::touchUpInside, this, [this]() { unhighlight(); });
    connect(this, &Button::touchUpOutside, this, [this]() { unhighlight(); });
    connect(this, &Button::touchCancel, this, [this]() { unhighlight(); });
    setTitleColor(Qt::black, State::Normal);
    setTitleColor(Qt::blue, State::Highlighted);
}

void BlockButton::didPressed()
{
    if (m_action)
        m_action(this);
}

void BlockButton::highlight()
{
    if (!m_action)
        return;
    // A picture of the button at the screen's scale, with transparency.
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    QImage picture((QSizeF(size()) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    m_renderingMask = true;
    render(&picture, QPoint(), QRegion(), QWidget::DrawChildren);
    m_renderingMask = false;
    QImage layer(picture.size(), QImage::Format_ARGB32_Premultiplied);
    layer.setDevicePixelRatio(ratio);
    layer.fill(QColor(0, 0, 0, 128));
    QPainter masking(&layer);
    masking.setCompositionMode(QPainter::CompositionMode_DestinationIn);
    masking.drawImage(0, 0, picture);
    masking.end();
    m_highlightLayer = layer;
    update();
}

void BlockButton::unhighlight()
{
    if (!m_action)
        return;
    m_highlightLayer.reset();
    update();
}

void BlockButton::paintEvent(QPaintEvent *event)
{
    Button::paintEvent(event);
    if (m_highlightLayer && !m_renderingMask) {
        QPainter painter(this);
        painter.drawImage(QRectF(rect()), *m_highlightLayer);
    }
}
