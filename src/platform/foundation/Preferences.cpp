#include "Preferences.h"

#include <QSettings>

#include <memory>

namespace {
QString &storageFile()
{
    static QString path;
    return path;
}

std::unique_ptr<QSettings> &settingsSlot()
{
    static std::unique_ptr<QSettings> slot;
    return slot;
}

QSettings &settings()
{
    auto &slot = settingsSlot();
    if (!slot) {
        if (storageFile().isEmpty())
            slot = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                               QStringLiteral("Phrasebook"),
                                               QStringLiteral("phrasebook"));
        else
            slot = std::make_unique<QSettings>(storageFile(), QSettings::IniFormat);
    }
    return *slot;
}
}

namespace Preferences {
QVariant value(const QString &key) { return settings().value(key); }

void setValue(const QString &key, const QVariant &value)
{
    settings().setValue(key, value);
    settings().sync();
}

void remove(const QString &key)
{
    settings().remove(key);
    settings().sync();
}

void sync() { settings().sync(); }

void setStorageFile(const QString &path)
{
    storageFile() = path;
    settingsSlot().reset();
}
}
