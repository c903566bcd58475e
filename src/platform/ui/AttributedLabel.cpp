#include "AttributedLabel.h"

#include <QPainter>
#include <QTextLayout>

AttributedLabel::AttributedLabel(QWidget *parent) : Label(parent) {}

AttributedLabel::AttributedLabel(const QRectF &frame, QWidget *parent) : Label(frame, parent) {}

void AttributedLabel::setTextRun(const Run &run)
{
    m_run = run;
    update();
}

void AttributedLabel::clearTextRun()
{
    m_run.reset();
    update();
}

QColor AttributedLabel::colorAt(int index) const
{
    if (m_run && index >= m_run->start && index < m_run->start + m_run->length && index < text().size())
        return m_run->color;
    return textColor();
}

void AttributedLabel::drawTextInRect(QPainter &painter, const QRectF &rect)
{
    if (text().isEmpty())
        return;
    QTextLayout layout(text(), fittedFont());
    QTextOption option(textAlignment());
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    if (m_run) {
        QTextLayout::FormatRange range;
        range.start = qBound(0, m_run->start, int(text().size()));
        range.length = qBound(0, m_run->length, int(text().size()) - range.start);
        range.format.setForeground(m_run->color);
        if (m_run->font)
            range.format.setFont(*m_run->font);
        layout.setFormats({range});
    }
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(rect.width());
    layout.endLayout();

    const qreal height = line.height();
    painter.save();
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setClipRect(bounds());
    painter.setPen(textColor());
    layout.draw(&painter, QPointF(rect.left(), rect.top() + (rect.height() - height) / 2));
    painter.restore();
}
