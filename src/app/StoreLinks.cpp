#include "StoreLinks.h"

#include "widgets/Tools.h"

namespace StoreLinks {
namespace {
QString fallback(const QString &country)
{
    const QString code = country.trimmed().toLower();
    return code.isEmpty() ? QStringLiteral("us") : code;
}
}

QString countryCode() { return fallback(Tools::getCountryCode()); }

QUrl expand(const QString &pattern, const QString &country)
{
    QString address = pattern;
    address.replace(QLatin1String("{country}"), fallback(country));
    return QUrl(address);
}

QUrl appPage(const QString &country) { return expand(QStringLiteral(PHRASEBOOK_STORE_URL), country); }

QUrl reviewPage(const QString &country) { return expand(QStringLiteral(PHRASEBOOK_REVIEW_URL), country); }

QUrl moreAppsPage(const QString &country) { return expand(QStringLiteral(PHRASEBOOK_MORE_APPS_URL), country); }

QString supportAddress() { return QStringLiteral(PHRASEBOOK_SUPPORT_EMAIL); }
}
