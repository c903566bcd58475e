#pragma once

#include <QColor>
#include <QRectF>

class QWidget;

// Inserts below all of a view's layers a vertical linear gradient of `frame`, from `top`
// at the top edge to `bottom` at the bottom edge. The screens use bar blue (39, 64, 139)
// over band green (46, 139, 87). On a scroll view the layer lies behind its content and stays
// in place while the content scrolls over it, so a long list never runs past the gradient
// into a flat band.
//
// Thread: main thread. Failure: a widget that is not a View gets nothing (and a warning).
namespace GradientBackground {
void setGradientBackground(QWidget *view, const QColor &top, const QColor &bottom, const QRectF &frame);
inline QColor barBlue() { return QColor(39, 64, 139); }
inline QColor bandGreen() { return QColor(46, 139, 87); }
}
