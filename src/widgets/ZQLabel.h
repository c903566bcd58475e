#pragma once

#include "platform/ui/Label.h"

enum class VerticalAlignment { top, middle, bottom };

// A label that places its text at the top, middle or bottom of its bounds. textRect is the
// rectangle the text was last drawn in (the label's frame until the first drawing).
//
// Thread: main thread. Failure: none.
class ZQLabel : public Label
{
    Q_OBJECT
public:
    explicit ZQLabel(QWidget *parent = nullptr);
    ZQLabel(const QRectF &frame, QWidget *parent = nullptr);

    void setVerticalAlignment(VerticalAlignment alignment);
    VerticalAlignment verticalAlignment() const { return m_verticalAlignment; }
    QRectF textRect() const { return m_drawn ? m_textRect : frame(); }

    // The text rectangle of `bounds`, moved to the label's vertical alignment.
    QRectF alignedTextRect(const QRectF &bounds) const;

protected:
    void drawTextInRect(QPainter &painter, const QRectF &rect) override;

private:
    VerticalAlignment m_verticalAlignment = VerticalAlignment::middle;
    QRectF m_textRect;
    bool m_drawn = false;
};
