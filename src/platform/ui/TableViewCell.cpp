#include "TableViewCell.h"

#include "Fonts.h"
#include "Label.h"

#include <QPainter>
#include <QPainterPath>

TableViewCell::TableViewCell(Style style, const QString &reuseIdentifier, QWidget *parent)
    : View(parent), m_style(style), m_reuseIdentifier(reuseIdentifier), m_contentView(new View(this)),
      m_textLabel(new Label(m_contentView))
{
    setBackgroundColor(Qt::white);
    m_textLabel->setFont(Fonts::systemFont(17));
    if (style == Style::Value1) {
        m_detailTextLabel = new Label(m_contentView);
        m_detailTextLabel->setFont(Fonts::systemFont(17));
        m_detailTextLabel->setTextColor(QColor(142, 142, 147));
        m_detailTextLabel->setTextAlignment(Qt::AlignRight);
    }
    layoutSubviews();
}

void TableViewCell::setAccessoryType(AccessoryType type)
{
    m_accessoryType = type;
    layoutSubviews();
    update();
}

void TableViewCell::setSelected(bool selected)
{
    m_selected = selected;
    update();
}

void TableViewCell::setHighlighted(bool highlighted)
{
    m_highlighted = highlighted;
    update();
}

void TableViewCell::setSeparatorVisible(bool visible)
{
    m_separatorVisible = visible;
    update();
}

void TableViewCell::resizeEvent(QResizeEvent *event)
{
    View::resizeEvent(event);
    layoutSubviews();
}

void TableViewCell::layoutSubviews()
{
    const QRectF area = bounds();
    const qreal accessory = m_accessoryType == AccessoryType::None ? 0 : kAccessoryWidth;
    m_contentView->setFrame(QRectF(0, 0, qMax<qreal>(0, area.width() - accessory), area.height()));
    const qreal width = m_contentView->bounds().width() - 2 * kTextInset + (accessory > 0 ? kTextInset : 0);
    if (m_detailTextLabel) {
        // Title and value share the row in halves.
        const qreal half = qMax<qreal>(0, width / 2);
        m_textLabel->setFrame(QRectF(kTextInset, 0, half, area.height()));
        m_detailTextLabel->setFrame(QRectF(kTextInset + half, 0, qMax<qreal>(0, width - half), area.height()));
    } else {
        m_textLabel->setFrame(QRectF(kTextInset, 0, qMax<qreal>(0, width), area.height()));
    }
}

void TableViewCell::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if ((m_selected || m_highlighted) && m_selectionStyle == SelectionStyle::Default)
        painter.fillRect(rect(), selectedBackgroundColor());
    else
        paintBackground(painter);
    painter.setRenderHint(QPainter::Antialiasing);
    if (m_accessoryType == AccessoryType::DisclosureIndicator) {
        // A small grey chevron, centred in the accessory area.
        const QRectF area = bounds();
        const QPointF tip(area.right() - kTextInset, area.center().y());
        QPainterPath chevron;
        chevron.moveTo(tip + QPointF(-6, -6.5));
        chevron.lineTo(tip);
        chevron.lineTo(tip + QPointF(-6, 6.5));
        painter.setPen(QPen(QColor(199, 199, 204), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(chevron);
    }
    if (m_separatorVisible) {
        const qreal y = bounds().bottom() - 0.5;
        painter.setPen(QPen(QColor(200, 199, 204), 0.5));
        painter.drawLine(QPointF(kTextInset, y), QPointF(bounds().right(), y));
    }
    paintBorder(painter);
}
