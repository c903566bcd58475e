#pragma once

#include <QString>
#include <QUrl>

// The addresses the application sends the learner to: its page in the store, the store's
// review page for it, the maker's page of applications, and the support mail address.
// They are settings of the build (CMake cache: PHRASEBOOK_STORE_URL,
// PHRASEBOOK_REVIEW_URL, PHRASEBOOK_MORE_APPS_URL, PHRASEBOOK_SUPPORT_EMAIL). The store
// addresses may hold "{country}", replaced by the country whose store page is meant.
//
// Thread: any (countryCode() reads the default locale). Failure: none; a locale that names
// no country gives "us".
namespace StoreLinks {
// The current locale's two-letter country code, lower-cased; "us" when it names none.
QString countryCode();
// `pattern` with every "{country}" replaced by `country` (lower-cased; "us" when empty).
QUrl expand(const QString &pattern, const QString &country);
QUrl appPage(const QString &country = countryCode());
QUrl reviewPage(const QString &country = countryCode());
QUrl moreAppsPage(const QString &country = countryCode());
QString supportAddress();
}
