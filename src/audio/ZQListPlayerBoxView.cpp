#include "ZQListPlayerBoxView.h"

#include "platform/ui/Button.h"
#include "platform/ui/DeviceProfile.h"
#include "platform/ui/Label.h"
#include "platform/ui/PlatformColors.h"
#include "platform/ui/View.h"
#include "platform/ui/ViewSupport.h"
#include "ZQPlayerBoxViewLayout.h"

ZQListPlayerBoxView::ZQListPlayerBoxView(const QRectF &frame, QWidget *parent) : ZQPlayerBox(frame, parent)
{
    const bool tablet = Screen::isTablet();
    m_margin = tablet ? 20 : 15;
    m_btnWidth = tablet ? 40 : 32;
    m_btnHeight = m_btnWidth;
    m_volumeSliderWidth = 125;
    m_timeLabelWidth = 40;
    drawBoxRect();
}

void ZQListPlayerBoxView::drawBoxRect()
{
    const QRectF bounds = ViewSupport::bounds(this);
    m_boxView = new View(QRectF(0, 0, bounds.width(), bounds.height()));
    m_boxView->setBackgroundColor(Qt::transparent);
    addSubview(m_boxView);

    const QStringList images = {QStringLiteral("zq_stop2"),  QStringLiteral("last_item2"), QStringLiteral("speeddown2"),
                                QStringLiteral("zq_play"),   QStringLiteral("speedup2"),   QStringLiteral("next_item"),
                                QStringLiteral("replay_seq")};
    const QList<Button *> buttons = ZQPlayerBoxViewLayout::buildButtonRow(
        m_boxView, images, (bounds.height() - m_btnHeight) / 2.0, m_btnWidth, m_btnHeight, m_margin);
    setStopButton(buttons.at(0));
    setLastButton(buttons.at(1));
    setSpeedDownButton(buttons.at(2));
    setPlayButton(buttons.at(3));
    setSpeedUpButton(buttons.at(4));
    setNextButton(buttons.at(5));
    setPlayModelSwitchButton(buttons.at(6));
    setPlayModel(0);

    setSpeedRemindLabel(ZQPlayerBoxViewLayout::buildSpeedRemindLabel(m_boxView, PlatformColors::darkGray()));

    addAllAction();
    resetBtnImage();
}
