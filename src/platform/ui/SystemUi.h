#pragma once

#include <QString>
#include <QStringList>

// Stand-ins for the phone's system chrome: the status bar, the idle timer (the display
// dimming), remote-control events, and the system version. A desktop window has none of
// them, so the calls only record their state; tests read it back.
//
// Thread: main thread. Failure: none.
namespace SystemUi {
void setStatusBarHidden(bool hidden, bool animated);
bool isStatusBarHidden();
void setIdleTimerDisabled(bool disabled);
bool isIdleTimerDisabled();
void beginReceivingRemoteControlEvents();
bool isReceivingRemoteControlEvents();
// The operating system's version text (QSysInfo::productVersion, e.g. "12").
QString systemVersion();
// The operating system's name (QSysInfo::productType, e.g. "debian").
QString systemName();
// Every call above, in order ("setStatusBarHidden(true,false)", ...), for tests.
QStringList calls();
void reset();
}
