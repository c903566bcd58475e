#include "SharePanel.h"

#include "Button.h"
#include "DeviceProfile.h"
#include "Fonts.h"
#include "ImageView.h"
#include "Label.h"
#include "MailComposer.h"
#include "PlatformColors.h"
#include "UrlOpener.h"
#include "View.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace {
constexpr qreal kPopoverRowHeight = 50;
constexpr qreal kPopoverWidth = 320;
constexpr qreal kArrowHeight = 13;
constexpr qreal kArrowWidth = 26;
constexpr qreal kHeaderHeight = 92;
constexpr qreal kIconSize = 60;
}

SharePanel::SharePanel(const QString &message, const QUrl &link, const QImage &image)
    : m_message(message), m_link(link), m_image(image)
{
}

QWidget *SharePanel::panel() const { return m_panel; }

bool SharePanel::show(QWidget *window)
{
    if (!coverWindow(window))
        return false;
    m_popover = false;
    layOutSheet();
    showOverlay();
    return true;
}

bool SharePanel::showAsPopover(const QPointF &anchor, QWidget *window)
{
    if (!coverWindow(window))
        return false;
    m_popover = true;
    layOutPopover(anchor);
    showOverlay();
    return true;
}

Button *SharePanel::makeAction(QWidget *parent, const QRectF &frame, const QString &title, bool bold)
{
    auto *button = new Button(frame, parent);
    button->setTitle(title);
    button->setTitleColor(PlatformColors::tint());
    button->setTitleAdjustsFontSizeToFitWidth(true);
    const qreal size = m_popover ? 17 : 20;
    button->setTitleFont(bold ? Fonts::boldSystemFont(size) : Fonts::systemFont(size));
    return button;
}

qreal SharePanel::buildContents(qreal width, qreal rowHeight)
{
    // What is shared: the picture, the message (up to three lines) and the link.
    auto *icon = new ImageView(QRectF(16, 16, kIconSize, kIconSize), m_panel);
    icon->setImage(m_image);
    icon->setCornerRadius(13);
    icon->setClipsToBounds(true);
    const qreal textLeft = 16 + kIconSize + 12;
    auto *message = new Label(QRectF(textLeft, 14, width - textLeft - 16, 44), m_panel);
    message->setFont(Fonts::boldSystemFont(15));
    message->setNumberOfLines(3);
    message->setAdjustsFontSizeToFitWidth(true);
    message->setText(m_message);
    auto *link = new Label(QRectF(textLeft, 58, width - textLeft - 16, 20), m_panel);
    link->setFont(Fonts::systemFont(13));
    link->setTextColor(QColor(142, 142, 147));
    link->setText(m_link.toDisplayString());

    qreal y = kHeaderHeight;
    const auto separator = [&](qreal at) {
        auto *line = new View(QRectF(0, at, width, 1), m_panel);
        line->setBackgroundColor(PlatformColors::separator());
    };
    separator(y);
    m_copyButton = makeAction(m_panel, QRectF(0, y, width, rowHeight), tr("Copy link"), false);
    y += rowHeight;
    separator(y);
    m_mailButton = makeAction(m_panel, QRectF(0, y, width, rowHeight), tr("Send by mail"), false);
    y += rowHeight;
    connect(m_copyButton, &Button::touchUpInside, this, [this]() { copyLink(); });
    connect(m_mailButton, &Button::touchUpInside, this, [this]() { sendByMail(); });
    return y;
}

void SharePanel::layOutSheet()
{
    const QSizeF area = QSizeF(size());
    const qreal width = area.width() - 2 * kSheetMargin;
    qreal bottom = area.height() - kSheetMargin - Screen::device().safeAreaInsets.bottom();
    m_cancelPanel = new View(QRectF(kSheetMargin, bottom - kSheetRowHeight, width, kSheetRowHeight), this);
    m_cancelPanel->setBackgroundColor(Qt::white);
    m_cancelPanel->setCornerRadius(13);
    m_cancelButton = makeAction(m_cancelPanel, QRectF(0, 0, width, kSheetRowHeight), tr("Cancel"), true);
    connect(m_cancelButton, &Button::touchUpInside, this, [this]() { cancel(); });
    bottom -= kSheetRowHeight + kSheetMargin;

    m_panel = new View(this);
    m_panel->setBackgroundColor(panelColour());
    m_panel->setCornerRadius(13);
    m_panel->setClipsToBounds(true);
    const qreal height = buildContents(width, kSheetRowHeight);
    m_panel->setFrame(QRectF(kSheetMargin, bottom - height, width, height));
    m_panel->show();
    m_cancelPanel->show();
}

void SharePanel::layOutPopover(const QPointF &anchor)
{
    const QSizeF area = QSizeF(size());
    const qreal width = qMin(kPopoverWidth, area.width() - 2 * kSheetMargin);
    m_panel = new View(this);
    m_panel->setBackgroundColor(panelColour());
    m_panel->setCornerRadius(13);
    m_panel->setClipsToBounds(true);
    const qreal height = buildContents(width, kPopoverRowHeight);
    const qreal x = qBound(kSheetMargin, anchor.x() - width / 2, area.width() - kSheetMargin - width);
    const bool below = anchor.y() + kArrowHeight + height <= area.height() - kSheetMargin;
    const qreal y = below ? anchor.y() + kArrowHeight : anchor.y() - kArrowHeight - height;
    m_panel->setFrame(QRectF(x, qMax(kSheetMargin, y), width, height));
    const qreal arrowX = qBound(x + 16, anchor.x() - kArrowWidth / 2, x + width - 16 - kArrowWidth);
    m_arrow = below ? QRectF(arrowX, anchor.y(), kArrowWidth, kArrowHeight)
                    : QRectF(arrowX, anchor.y() - kArrowHeight, kArrowWidth, kArrowHeight);
    m_panel->show();
}

void SharePanel::copyLink()
{
    if (isClosed())
        return;
    QGuiApplication::clipboard()->setText(m_link.toString());
    close(Activity::CopyLink);
}

void SharePanel::sendByMail()
{
    if (isClosed())
        return;
    const QString body = m_message + QStringLiteral("\n\n") + m_link.toString();
    const QUrl mail = MailComposer::mailtoUrl({}, m_message, body);
    QWidget *window = parentWidget();
    close(Activity::Mail);
    UrlOpener::openOrAlert(mail, tr("No mail program could be started."), window);
}

void SharePanel::cancel() { close(Activity::None); }

void SharePanel::close(Activity activity)
{
    if (closeOverlay())
        emit finished(activity);
}

void SharePanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!m_popover) {
        painter.fillRect(rect(), QColor(0, 0, 0, 102));
        return;
    }
    // A popover dims nothing; it casts a soft shadow and points at its anchor.
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF body = m_panel ? QRectF(m_panel->geometry()) : QRectF();
    QPainterPath shape;
    shape.addRoundedRect(body, 13, 13);
    QPainterPath arrow;
    const bool below = m_arrow.top() < body.top();
    if (below) {
        arrow.moveTo(m_arrow.left(), m_arrow.bottom() + 1);
        arrow.lineTo(m_arrow.center().x(), m_arrow.top());
        arrow.lineTo(m_arrow.right(), m_arrow.bottom() + 1);
    } else {
        arrow.moveTo(m_arrow.left(), m_arrow.top() - 1);
        arrow.lineTo(m_arrow.center().x(), m_arrow.bottom());
        arrow.lineTo(m_arrow.right(), m_arrow.top() - 1);
    }
    arrow.closeSubpath();
    shape = shape.united(arrow);
    painter.fillPath(shape.translated(0, 3), QColor(0, 0, 0, 36));
    painter.setPen(QPen(QColor(0, 0, 0, 40), 1));
    painter.setBrush(panelColour());
    painter.drawPath(shape);
}

void SharePanel::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    const QPoint point = event->position().toPoint();
    const bool onPanel = (m_panel && m_panel->geometry().contains(point))
        || (m_cancelPanel && m_cancelPanel->geometry().contains(point));
    if (!onPanel)
        cancel();
}
