#pragma once

#include <QColor>
#include <QImage>
#include <QSizeF>
#include <QString>

// Colour, locale, device and image helpers.
//
// Thread: main thread. Failure: getCountryCode() is empty when the locale names no
// territory; scaleImage() of a null image is a null image.
class Tools
{
public:
    // The opaque colour of 0xRRGGBB.
    static QColor getUIColorFromRGB(int rgb);
    // The current locale's two-letter country code ("US"), empty when it has none.
    static QString getCountryCode();
    // The machine's hardware type (the kernel's machine name, e.g. "x86_64").
    static QString getDevicePlatform();
    // The image redrawn into a bitmap of `size` points at scale 1.
    static QImage scaleImage(const QImage &image, const QSizeF &size);
};
