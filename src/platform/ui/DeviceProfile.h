#pragma once

#include <QMarginsF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <optional>

// The device the program runs as: a screen size in points and the safe-area insets of its
// window. The phone platform reports these; here they come from a window preset chosen on
// the command line:
//   se      320 x 568
//   phone   375 x 667 (default)
//   notch   375 x 812, safe-area insets top 44, bottom 34
//   tablet  768 x 1024
// 1 point is 1 device-independent pixel.
//
// Thread: main thread. Failure: preset() returns nothing for an unknown name.
class DeviceProfile
{
public:
    QString name;
    QSizeF size;
    QMarginsF safeAreaInsets;  // left, top, right, bottom

    static std::optional<DeviceProfile> preset(const QString &name);
    static DeviceProfile defaultProfile();  // "phone"
    static QStringList presetNames();

    bool operator==(const DeviceProfile &other) const = default;
};

// The main screen: the current device profile, process-wide.
//
// Thread: main thread. Never fails: before setDevice() the default profile is in force.
class Screen
{
public:
    static const DeviceProfile &device();
    static void setDevice(const DeviceProfile &profile);
    static QRectF bounds();  // (0, 0, width, height)
    static qreal width();
    static qreal height();

    // Screens wider than tabletWidth points use the tablet sizes.
    static constexpr qreal tabletWidth = 760;
    static bool isTablet() { return width() > tabletWidth; }
};
