#pragma once

#include <QString>
#include <QUrl>

class QWidget;

// Opening addresses (web pages, store pages, mailto: addresses) with the desktop's own
// programs, in place of the phone's "open URL" call.
//
// Thread: main thread. Failure: open() returns false for an invalid address or when no
// program could be started for it; openOrAlert() then also shows an in-window alert
// saying so (`failureMessage`, or a message naming the address) over `window` (the key
// window when null; no alert without one).
namespace UrlOpener {
bool open(const QUrl &url);
bool openOrAlert(const QUrl &url, const QString &failureMessage = QString(), QWidget *window = nullptr);
}
