#include "Tools.h"

#include <QLocale>
#include <QPainter>
#include <QSysInfo>

#include <sys/utsname.h>

#include <cmath>

QColor Tools::getUIColorFromRGB(int rgb)
{
    return QColor::fromRgbF(float(((rgb >> 16) & 0xff) / 255.0), float(((rgb >> 8) & 0xff) / 255.0),
                            float((rgb & 0xff) / 255.0), 1.0f);
}

QString Tools::getCountryCode()
{
    const QLocale locale;
    if (locale.territory() == QLocale::AnyTerritory)
        return {};
    return QLocale::territoryToCode(locale.territory());
}

QString Tools::getDevicePlatform()
{
    struct utsname name;
    if (uname(&name) == 0)
        return QString::fromLocal8Bit(name.machine);
    return QSysInfo::currentCpuArchitecture();
}

QImage Tools::scaleImage(const QImage &image, const QSizeF &size)
{
    if (image.isNull())
        return QImage();
    const QSize pixels(qMax(1, int(std::lround(size.width()))), qMax(1, int(std::lround(size.height()))));
    QImage result(pixels, QImage::Format_ARGB32_Premultiplied);
    result.fill(Qt::transparent);
    QPainter painter(&result);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(QPointF(0, 0), QSizeF(pixels)), image);
    painter.end();
    return result;
}
