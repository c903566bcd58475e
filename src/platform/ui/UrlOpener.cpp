#include "UrlOpener.h"

#include "AlertView.h"

#include <QCoreApplication>
#include <QDesktopServices>

namespace UrlOpener {
bool open(const QUrl &url)
{
    if (!url.isValid() || url.scheme().isEmpty())
        return false;
    return QDesktopServices::openUrl(url);
}

bool openOrAlert(const QUrl &url, const QString &failureMessage, QWidget *window)
{
    if (open(url))
        return true;
    const QString message = !failureMessage.isEmpty()
        ? failureMessage
        : QCoreApplication::translate("UrlOpener", "No program on this computer can open %1.")
              .arg(url.toDisplayString());
    AlertView *alert = AlertView::alert(QString(), message, QCoreApplication::translate("UrlOpener", "OK"));
    alert->show(window);
    return false;
}
}
