#include "ZQPlayerBoxView.h"

#include "platform/ui/Button.h"
#include "platform/ui/DeviceProfile.h"
#include "platform/ui/Label.h"
#include "platform/ui/View.h"
#include "platform/ui/ViewSupport.h"
#include "ZQPlayerBoxViewLayout.h"

ZQPlayerBoxView::ZQPlayerBoxView(const QRectF &frame, QWidget *parent) : ZQPlayerBox(frame, parent)
{
    const qreal w = Screen::width();
    m_margin = float(w * 20.0 / 320.0);
    m_btnWidth = float(w * 25.0 / 320.0);
    m_btnHeight = m_btnWidth;
    m_volumeSliderWidth = float(w * 80.0 / 320.0);
    m_timeLabelWidth = float(w * 40.0 / 320.0);
    drawBoxRect();
}

void ZQPlayerBoxView::drawBoxRect()
{
    const QRectF bounds = ViewSupport::bounds(this);
    m_boxView = new View(QRectF(0, (bounds.height() - m_btnHeight) / 2.0, bounds.width(), m_btnHeight));
    addSubview(m_boxView);

    const QStringList images = {QStringLiteral("zq_stop2"), QStringLiteral("speeddown2"), QStringLiteral("zq_play"),
                                QStringLiteral("speedup2")};
    const QList<Button *> buttons =
        ZQPlayerBoxViewLayout::buildButtonRow(m_boxView, images, 0, m_btnWidth, m_btnHeight, m_margin);
    // The compact player sits on bright, grainy bands (the orange voiceprint panel): a dark
    // round back keeps its white glyphs, and the greyed ones, readable.
    for (Button *button : buttons) {
        button->setBackgroundColor(QColor(0, 0, 0, 140));
        button->setCornerRadius(m_btnWidth / 2.0);
    }
    setStopButton(buttons.at(0));
    setSpeedDownButton(buttons.at(1));
    setPlayButton(buttons.at(2));
    setSpeedUpButton(buttons.at(3));

    setSpeedRemindLabel(ZQPlayerBoxViewLayout::buildSpeedRemindLabel(m_boxView, QColor(0, 0, 255)));

    addAllAction();
    resetBtnImage();
}
