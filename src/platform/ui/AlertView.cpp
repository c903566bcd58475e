#include "AlertView.h"

#include "Button.h"
#include "DeviceProfile.h"
#include "Fonts.h"
#include "KeyCommands.h"
#include "Label.h"
#include "PlatformColors.h"
#include "View.h"
#include "ViewSupport.h"

#include <QMouseEvent>
#include <QPainter>

namespace {
constexpr qreal kAlertWidth = 270;
constexpr qreal kAlertButtonHeight = 44;

// A thin line between buttons.
class Separator : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override { QPainter(this).fillRect(rect(), PlatformColors::separator()); }
};

qreal textHeight(const QString &text, const QFont &font, qreal width)
{
    if (text.isEmpty())
        return 0;
    Label probe;
    probe.setFont(font);
    probe.setNumberOfLines(0);
    probe.setText(text);
    probe.setFrame(QRectF(0, 0, width, 10000));
    return probe.textRectForBounds(QRectF(0, 0, width, 10000), 0).height();
}
}

AlertView::AlertView(const QString &title, const QString &message, Style style)
    : m_title(title), m_message(message), m_style(style)
{
}

AlertView *AlertView::alert(const QString &title, const QString &message, const QString &cancelTitle,
                            const QStringList &otherTitles)
{
    auto *created = new AlertView(title, message, Style::Alert);
    if (!cancelTitle.isEmpty())
        created->setCancelButtonIndex(created->addButton(cancelTitle));
    for (const QString &other : otherTitles)
        created->addButton(other);
    return created;
}

int AlertView::addButton(const QString &title)
{
    m_titles << title;
    return int(m_titles.size()) - 1;
}

QWidget *AlertView::panel() const { return m_panel; }

bool AlertView::show(QWidget *window)
{
    if (!coverWindow(window))
        return false;
    layOut();
    showOverlay();
    // Escape is the cancel button; no key reaches the window below the alert.
    KeyCommands::add(this, QKeyCombination(Qt::Key_Escape), [this] {
        if (escapeButtonIndex() >= 0)
            clickButton(escapeButtonIndex());
    }, KeyCommands::Scope::Modal);
    return true;
}

void AlertView::layOut()
{
    delete m_panel;
    m_buttons.clear();
    m_panel = new View(this);
    m_panel->setBackgroundColor(panelColour());
    m_panel->setCornerRadius(13);
    const QSizeF area = QSizeF(size());
    const bool sheet = m_style == Style::ActionSheet;
    const qreal panelWidth = sheet ? area.width() - 2 * kSheetMargin : qMin(kAlertWidth, area.width() - 40);
    const qreal inner = panelWidth - 32;
    const QFont titleFont = sheet ? Fonts::boldSystemFont(13) : Fonts::boldSystemFont(17);
    const QFont messageFont = Fonts::systemFont(13);
    qreal y = 0;
    const bool hasText = !m_title.isEmpty() || !m_message.isEmpty();
    if (hasText) {
        y = 20;
        if (!m_title.isEmpty()) {
            const qreal h = textHeight(m_title, titleFont, inner);
            auto *label = new Label(QRectF(16, y, inner, h), m_panel);
            label->setFont(titleFont);
            label->setNumberOfLines(0);
            label->setTextAlignment(Qt::AlignHCenter);
            label->setTextColor(sheet ? QColor(143, 143, 143) : Qt::black);
            label->setText(m_title);
            y += h + 4;
        }
        if (!m_message.isEmpty()) {
            const qreal h = textHeight(m_message, messageFont, inner);
            auto *label = new Label(QRectF(16, y, inner, h), m_panel);
            label->setFont(messageFont);
            label->setNumberOfLines(0);
            label->setTextAlignment(Qt::AlignHCenter);
            label->setTextColor(sheet ? QColor(143, 143, 143) : Qt::black);
            label->setText(m_message);
            y += h;
        }
        y += 20;
    }
    // Buttons: an alert with two puts them side by side; otherwise they stack. An action
    // sheet shows its cancel button in a panel of its own below the others.
    QList<int> order;
    for (int i = 0; i < m_titles.size(); ++i) {
        if (!(sheet && i == m_cancelIndex))
            order << i;
    }
    const qreal buttonHeight = sheet ? kSheetRowHeight : kAlertButtonHeight;
    auto makeButton = [&](int index, QWidget *parent, const QRectF &frame) {
        auto *button = new Button(frame, parent);
        button->setTitle(m_titles.at(index));
        button->setTitleColor(PlatformColors::tint());
        button->setTitleAdjustsFontSizeToFitWidth(true);
        button->setTitleFont(index == m_cancelIndex ? Fonts::boldSystemFont(sheet ? 20 : 17)
                                                    : Fonts::systemFont(sheet ? 20 : 17));
        connect(button, &Button::touchUpInside, this, [this, index]() { clickButton(index); });
        while (m_buttons.size() <= index)
            m_buttons << nullptr;
        m_buttons[index] = button;
    };
    if (!sheet && order.size() == 2) {
        auto *line = new Separator(m_panel);
        line->setGeometry(QRectF(0, y, panelWidth, 1).toRect());
        makeButton(order[0], m_panel, QRectF(0, y, panelWidth / 2, buttonHeight));
        makeButton(order[1], m_panel, QRectF(panelWidth / 2, y, panelWidth / 2, buttonHeight));
        auto *middle = new Separator(m_panel);
        middle->setGeometry(QRectF(panelWidth / 2, y, 1, buttonHeight).toRect());
        y += buttonHeight;
    } else {
        for (int index : order) {
            if (y > 0) {
                auto *line = new Separator(m_panel);
                line->setGeometry(QRectF(0, y, panelWidth, 1).toRect());
            }
            makeButton(index, m_panel, QRectF(0, y, panelWidth, buttonHeight));
            y += buttonHeight;
        }
    }
    const qreal panelHeight = y;
    if (sheet) {
        qreal bottom = area.height() - kSheetMargin - Screen::device().safeAreaInsets.bottom();
        if (m_cancelIndex >= 0 && m_cancelIndex < m_titles.size()) {
            auto *cancelPanel = new View(QRectF(kSheetMargin, bottom - kSheetRowHeight, panelWidth, kSheetRowHeight), this);
            cancelPanel->setBackgroundColor(Qt::white);
            cancelPanel->setCornerRadius(13);
            makeButton(m_cancelIndex, cancelPanel, QRectF(0, 0, panelWidth, kSheetRowHeight));
            cancelPanel->show();
            bottom -= kSheetRowHeight + kSheetMargin;
        }
        m_panel->setFrame(QRectF(kSheetMargin, bottom - panelHeight, panelWidth, panelHeight));
    } else {
        m_panel->setFrame(QRectF((area.width() - panelWidth) / 2, (area.height() - panelHeight) / 2, panelWidth, panelHeight));
    }
    m_panel->show();
}

void AlertView::clickButton(int index)
{
    if (isClosed() || index < 0 || index >= m_titles.size())
        return;
    closeOverlay();
    emit clicked(index);
}

void AlertView::paintEvent(QPaintEvent *)
{
    QPainter(this).fillRect(rect(), QColor(0, 0, 0, 102));
}

void AlertView::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    if (m_style == Style::ActionSheet && m_cancelIndex >= 0 && m_panel
        && !m_panel->geometry().contains(event->position().toPoint()))
        clickButton(m_cancelIndex);
}
