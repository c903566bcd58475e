#pragma once

#include <QColor>
#include <QList>
#include <QRectF>

class Button;
class Label;
class View;
class ZQPlayerBox;

// The construction steps the two player views share: a row of buttons centred in a strip,
// each with its first image and a touch glow, and the speed hint label.
//
// Thread: main thread. Never fails.
namespace ZQPlayerBoxViewLayout {
// x of the first of `count` buttons centred in `viewWidth`.
qreal firstButtonX(qreal viewWidth, int count, qreal buttonWidth, qreal margin);
// Makes the buttons in `strip`, left to right, at height `y`, with the given images.
QList<Button *> buildButtonRow(View *strip, const QStringList &images, qreal y, qreal buttonWidth,
                               qreal buttonHeight, qreal margin);
// The 35 x 30 hint label: centred bold 14-point text on light grey at opacity 0.8, corner
// radius 3, hidden; shown in full when placed beyond the strip.
Label *buildSpeedRemindLabel(View *strip, const QColor &textColor);
}
