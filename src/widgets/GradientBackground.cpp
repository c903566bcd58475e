#include "GradientBackground.h"

#include "platform/ui/View.h"

#include <QtDebug>

namespace GradientBackground {
void setGradientBackground(QWidget *widget, const QColor &top, const QColor &bottom, const QRectF &frame)
{
    if (auto *view = qobject_cast<View *>(widget)) {
        view->insertGradientLayer({top, bottom, frame});
        return;
    }
    qWarning("setGradientBackground: %s is not a View", widget ? widget->metaObject()->className() : "null");
}
}
