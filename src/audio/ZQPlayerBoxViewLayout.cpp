#include "ZQPlayerBoxViewLayout.h"

#include "platform/ui/Button.h"
#include "platform/ui/Fonts.h"
#include "platform/ui/Label.h"
#include "platform/ui/View.h"
#include "platform/ui/ViewSupport.h"
#include "ZQPlayerBox.h"

namespace ZQPlayerBoxViewLayout {
qreal firstButtonX(qreal viewWidth, int count, qreal buttonWidth, qreal margin)
{
    return (viewWidth - count * buttonWidth - (count - 1) * margin) / 2.0;
}

QList<Button *> buildButtonRow(View *strip, const QStringList &images, qreal y, qreal buttonWidth,
                               qreal buttonHeight, qreal margin)
{
    QList<Button *> buttons;
    qreal x = firstButtonX(ViewSupport::bounds(strip).width(), int(images.size()), buttonWidth, margin);
    for (const QString &image : images) {
        auto *button = new Button(QRectF(x, y, buttonWidth, buttonHeight));
        ZQPlayerBox::setButtonImage(button, image);
        button->setShowsTouchWhenHighlighted(true);
        strip->addSubview(button);
        buttons.append(button);
        x += buttonWidth + margin;
    }
    return buttons;
}

Label *buildSpeedRemindLabel(View *strip, const QColor &textColor)
{
    auto *label = new Label(QRectF(0, 0, 35, 30));
    label->setTextAlignment(Qt::AlignHCenter);
    label->setFont(Fonts::boldSystemFont(14));
    label->setTextColor(textColor);
    label->setBackgroundColor(QColor::fromRgbF(2.0f / 3.0f, 2.0f / 3.0f, 2.0f / 3.0f));  // light grey
    ViewSupport::setAlpha(label, 0.8);
    label->setCornerRadius(3);
    label->setClipsToBounds(true);
    strip->addSubview(label);
    label->setHidden(true);
    // The player lifts it above the pressed button, out of the strip: it must not be cut off.
    ViewSupport::setShowsOutsideSuperview(label);
    return label;
}
}
