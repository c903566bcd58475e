#include "ZQToolBarView.h"

#include "platform/ui/AssetImages.h"
#include "platform/ui/Button.h"
#include "platform/ui/Fonts.h"
#include "platform/ui/Label.h"
#include "ScreenMetrics.h"
#include "widgets/ZQImageUtil.h"

ZQToolBarView::ZQToolBarView(const QRectF &, QWidget *parent) : View(parent)
{
    m_barHeight = 44;
    m_btnWidth = 44;
    m_marginW = 2;
    m_topH = ScreenMetrics::topInset();
    setFrame(QRectF(0, ScreenMetrics::topInset(), ScreenMetrics::screenWidth(), m_barHeight));
    setBackgroundColor(QColor(39, 64, 139));
    m_innerToolBar = new View(bounds(), this);
}

void ZQToolBarView::setDelegate(ToolBarDelegete *delegate)
{
    m_delegate = delegate;
    m_delegateGuard = dynamic_cast<QObject *>(delegate);
    m_delegateGuarded = !m_delegateGuard.isNull();
}

ToolBarDelegete *ZQToolBarView::delegate() const
{
    if (m_delegateGuarded && m_delegateGuard.isNull())
        return nullptr;
    return m_delegate;
}

void ZQToolBarView::setTitle(const QString &title)
{
    if (!m_titleLabel) {
        const qreal width = 240;
        m_titleLabel = new Label(QRectF((bounds().width() - width) / 2, 0, width, m_barHeight), m_innerToolBar);
        m_titleLabel->setTextAlignment(Qt::AlignHCenter);
        m_titleLabel->setTextColor(Qt::white);
        m_titleLabel->setBackgroundColor(Qt::transparent);
        m_titleLabel->setFont(Fonts::boldSystemFont(m_titleLabel->bounds().height() * 0.4));
        m_titleLabel->setAdjustsFontSizeToFitWidth(true);
        m_titleLabel->show();
    }
    m_titleLabel->setText(title);
}

void ZQToolBarView::setLeftBtn(Button *button)
{
    if (!button) {
        button = new Button;
        button->setImage(ZQImageUtil::adjustImage(AssetImages::image(QStringLiteral("btn_back"))));
        button->setAccessibilityLabel(tr("Back"));
        connect(button, &Button::touchUpInside, this, [this](Button *pressed) { back(pressed); });
    }
    if (m_leftBtn && m_leftBtn != button)
        m_leftBtn->deleteLater();
    m_leftBtn = button;
    button->setParent(m_innerToolBar);
    button->setFrame(QRectF(0, 0, m_btnWidth, m_barHeight));
    button->show();
}

void ZQToolBarView::setRightBtn(Button *button)
{
    if (!button)
        return;
    if (m_rightBtn && m_rightBtn != button)
        m_rightBtn->deleteLater();
    m_rightBtn = button;
    button->setParent(m_innerToolBar);
    button->setFrame(QRectF(bounds().width() - m_btnWidth - m_marginW, 0, m_btnWidth, m_barHeight));
    button->show();
}

void ZQToolBarView::back(QObject *sender)
{
    if (ToolBarDelegete *target = delegate())
        target->back(sender);
}
