#include "RelativeSize.h"

#include "platform/ui/DeviceProfile.h"

qreal RelativeSize::getRelativeWidthBy320(qreal v) { return Screen::width() * v / 320.0; }

qreal RelativeSize::getRelativeHeightBy568(qreal v) { return Screen::height() * v / 568.0; }

bool RelativeSize::isTablet() { return Screen::isTablet(); }
