#include "ZQLabel.h"

ZQLabel::ZQLabel(QWidget *parent) : Label(parent) {}

ZQLabel::ZQLabel(const QRectF &frame, QWidget *parent) : Label(frame, parent) {}

void ZQLabel::setVerticalAlignment(VerticalAlignment alignment)
{
    m_verticalAlignment = alignment;
    update();
}

QRectF ZQLabel::alignedTextRect(const QRectF &bounds) const
{
    QRectF rect = textRectForBounds(bounds, numberOfLines());
    switch (m_verticalAlignment) {
    case VerticalAlignment::top:
        rect.moveTop(bounds.top());
        break;
    case VerticalAlignment::middle:
        rect.moveTop(bounds.top() + (bounds.height() - rect.height()) / 2);
        break;
    case VerticalAlignment::bottom:
        rect.moveTop(bounds.top() + bounds.height() - rect.height());
        break;
    }
    return rect;
}

void ZQLabel::drawTextInRect(QPainter &painter, const QRectF &rect)
{
    m_textRect = alignedTextRect(rect);
    m_drawn = true;
    drawTextLaidOut(painter, m_textRect);
}
