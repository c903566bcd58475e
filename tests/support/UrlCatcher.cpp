#include "UrlCatcher.h"

#include <QDesktopServices>

UrlCatcher::UrlCatcher(const QStringList &schemes) : m_schemes(schemes) { setFailing(false); }

UrlCatcher::~UrlCatcher()
{
    for (const QString &scheme : std::as_const(m_schemes))
        QDesktopServices::unsetUrlHandler(scheme);
}

void UrlCatcher::setFailing(bool failing)
{
    for (const QString &scheme : std::as_const(m_schemes))
        setFailing(scheme, failing);
}

// A handler whose slot does not exist makes QDesktopServices::openUrl return false.
void UrlCatcher::setFailing(const QString &scheme, bool failing)
{
    QDesktopServices::setUrlHandler(scheme, this, failing ? "missingSlot" : "open");
}

void UrlCatcher::open(const QUrl &url) { opened << url; }
