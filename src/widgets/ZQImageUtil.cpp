#include "ZQImageUtil.h"

#include "platform/ui/DeviceProfile.h"
#include "Tools.h"

QImage ZQImageUtil::adjustImage(const QImage &image)
{
    if (Screen::isTablet())
        return Tools::scaleImage(image, image.deviceIndependentSize());
    return image;
}
