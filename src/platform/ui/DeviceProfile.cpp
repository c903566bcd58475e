#include "DeviceProfile.h"

namespace {
const QList<DeviceProfile> &presets()
{
    static const QList<DeviceProfile> list{
        {QStringLiteral("se"), QSizeF(320, 568), QMarginsF()},
        {QStringLiteral("phone"), QSizeF(375, 667), QMarginsF()},
        {QStringLiteral("notch"), QSizeF(375, 812), QMarginsF(0, 44, 0, 34)},
        {QStringLiteral("tablet"), QSizeF(768, 1024), QMarginsF()},
    };
    return list;
}

DeviceProfile &current()
{
    static DeviceProfile profile = DeviceProfile::defaultProfile();
    return profile;
}
}

std::optional<DeviceProfile> DeviceProfile::preset(const QString &name)
{
    for (const DeviceProfile &profile : presets()) {
        if (profile.name == name)
            return profile;
    }
    return std::nullopt;
}

DeviceProfile DeviceProfile::defaultProfile() { return presets().at(1); }

QStringList DeviceProfile::presetNames()
{
    QStringList names;
    for (const DeviceProfile &profile : presets())
        names << profile.name;
    return names;
}

const DeviceProfile &Screen::device() { return current(); }
void Screen::setDevice(const DeviceProfile &profile) { current() = profile; }
QRectF Screen::bounds() { return QRectF(QPointF(0, 0), current().size); }
qreal Screen::width() { return current().size.width(); }
qreal Screen::height() { return current().size.height(); }
