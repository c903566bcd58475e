#pragma once

#include "View.h"

#include <QFont>

// The text label of the phone toolkit: text in a font and colour, horizontally aligned,
// on one line (tail truncated) or on up to numberOfLines wrapped lines (0: any number),
// vertically centred in its bounds. With adjustsFontSizeToFitWidth the font shrinks, down to
// minimumScaleFactor of its size, until the text fits.
//
// Subclasses change where the text goes by overriding textRectForBounds / drawTextInRect.
//
// Thread: main thread. Failure: none; text that cannot fit even at the smallest size is
// drawn at that size and clipped.
class Label : public View
{
    Q_OBJECT
public:
    explicit Label(QWidget *parent = nullptr);
    Label(const QRectF &frame, QWidget *parent = nullptr);

    void setText(const QString &text);
    QString text() const { return m_text; }
    void setFont(const QFont &font);
    QFont font() const { return m_font; }
    void setTextColor(const QColor &color);
    QColor textColor() const { return m_textColor; }
    void setTextAlignment(Qt::Alignment horizontal);  // Qt::AlignLeft, AlignHCenter, AlignRight
    Qt::Alignment textAlignment() const { return m_alignment; }
    void setNumberOfLines(int lines);
    int numberOfLines() const { return m_numberOfLines; }
    void setAdjustsFontSizeToFitWidth(bool adjusts);
    bool adjustsFontSizeToFitWidth() const { return m_adjustsFontSize; }
    void setMinimumScaleFactor(qreal factor);

    // The font the text is drawn with in the current bounds (after shrinking).
    QFont fittedFont() const;
    // The rectangle the text needs inside `bounds` with at most `lines` lines (0: any),
    // placed at the top of the bounds and positioned horizontally by the alignment.
    virtual QRectF textRectForBounds(const QRectF &bounds, int lines) const;

    // The fitting and drawing rules of the label, for other views that show text the same
    // way (multi-line button titles). fitFont: `font`, or the largest smaller size down to
    // minimumScaleFactor of it (0: 6 points) at which `text` fits `available` in at most
    // `lines` lines (0: any). drawText: the text in `lines` lines of the width of `area`,
    // centred vertically in it, clipped to it.
    static QFont fitFont(const QString &text, const QFont &font, const QSizeF &available, int lines,
                         qreal minimumScaleFactor);
    static QSizeF measureText(const QString &text, const QFont &font, Qt::Alignment alignment, qreal width,
                              int lines);
    static void drawText(QPainter &painter, const QString &text, const QFont &font, const QColor &color,
                         Qt::Alignment alignment, const QRectF &area, int lines);

protected:
    void paintEvent(QPaintEvent *event) override;
    // Draws the text inside `rect`: the default centres the text rectangle vertically in it.
    virtual void drawTextInRect(QPainter &painter, const QRectF &rect);
    void drawTextLaidOut(QPainter &painter, const QRectF &rect) const;

private:
    QString m_text;
    QFont m_font;
    QColor m_textColor = Qt::black;
    Qt::Alignment m_alignment = Qt::AlignLeft;
    int m_numberOfLines = 1;
    bool m_adjustsFontSize = false;
    qreal m_minimumScaleFactor = 0;
};
