#include "SystemUi.h"

#include <QSysInfo>

namespace {
struct Chrome
{
    bool statusBarHidden = false;
    bool idleTimerDisabled = false;
    bool remoteControl = false;
    QStringList calls;
};

Chrome &chrome()
{
    static Chrome instance;
    return instance;
}

QString flag(bool value) { return value ? QStringLiteral("true") : QStringLiteral("false"); }
}

namespace SystemUi {
void setStatusBarHidden(bool hidden, bool animated)
{
    chrome().statusBarHidden = hidden;
    chrome().calls << QStringLiteral("setStatusBarHidden(%1,%2)").arg(flag(hidden), flag(animated));
}

bool isStatusBarHidden() { return chrome().statusBarHidden; }

void setIdleTimerDisabled(bool disabled)
{
    chrome().idleTimerDisabled = disabled;
    chrome().calls << QStringLiteral("setIdleTimerDisabled(%1)").arg(flag(disabled));
}

bool isIdleTimerDisabled() { return chrome().idleTimerDisabled; }

void beginReceivingRemoteControlEvents()
{
    chrome().remoteControl = true;
    chrome().calls << QStringLiteral("beginReceivingRemoteControlEvents()");
}

bool isReceivingRemoteControlEvents() { return chrome().remoteControl; }

QString systemVersion() { return QSysInfo::productVersion(); }

QString systemName() { return QSysInfo::productType(); }

QStringList calls() { return chrome().calls; }

void reset() { chrome() = Chrome(); }
}
