#include "ScoreLabel.h"

#include "platform/ui/Fonts.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

ScoreLabel::ScoreLabel(const QRectF &frame, QWidget *parent) : Label(frame, parent) {}

void ScoreLabel::setScore(const QString &prefix, int score)
{
    m_prefix = prefix;
    m_score = score;
    setText(prefix + QStringLiteral(": ") + QString::number(score) + QStringLiteral("/10"));
}

QColor ScoreLabel::colorForScore(int score)
{
    if (score < 5)
        return QColor(176, 23, 31);
    if (score < 8)
        return QColor(199, 97, 20);
    return QColor(46, 139, 87);
}

void ScoreLabel::drawTextInRect(QPainter &painter, const QRectF &rect)
{
    if (text().isEmpty())
        return;
    const QString head = m_prefix + QStringLiteral(": ");
    const QString digits = QString::number(m_score);
    const QString tail = QStringLiteral("/10");
    const QFont plain = font();
    const QFont bold = Fonts::boldSystemFont(bounds().height());
    const QFontMetricsF plainMetrics(plain);
    const QFontMetricsF boldMetrics(bold);
    const qreal headWidth = plainMetrics.horizontalAdvance(head);
    const qreal digitsWidth = boldMetrics.horizontalAdvance(digits);
    const qreal total = headWidth + digitsWidth + plainMetrics.horizontalAdvance(tail);

    qreal x = rect.left();
    if (textAlignment() & Qt::AlignHCenter)
        x = rect.left() + (rect.width() - total) / 2.0;
    else if (textAlignment() & Qt::AlignRight)
        x = rect.right() - total;
    // One baseline for both fonts, the line centred vertically.
    const qreal ascent = std::max(plainMetrics.ascent(), boldMetrics.ascent());
    const qreal descent = std::max(plainMetrics.descent(), boldMetrics.descent());
    const qreal baseline = rect.top() + (rect.height() - ascent - descent) / 2.0 + ascent;

    painter.save();
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setClipRect(bounds());
    painter.setFont(plain);
    painter.setPen(textColor());
    painter.drawText(QPointF(x, baseline), head);
    painter.setFont(bold);
    painter.setPen(scoreColor());
    painter.drawText(QPointF(x + headWidth, baseline), digits);
    painter.setFont(plain);
    painter.setPen(textColor());
    painter.drawText(QPointF(x + headWidth + digitsWidth, baseline), tail);
    painter.restore();
}
