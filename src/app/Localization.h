#pragma once

#include <QString>

// The user-interface language: the translations compiled from the .ts files of the 16
// learner languages (English needs none: the English text is the key and the default).
//
// Thread: main thread. Failure: install() returns false when no translation exists for the
// language (texts then show in English).
namespace Localization {
bool install(const QString &languageCode);
// "zh-Hans" -> "zh_Hans": the Qt locale name used in the translation file names.
QString qtLocaleName(const QString &languageCode);
QString translationFile(const QString &languageCode);  // ":/i18n/phrasebook_<name>.qm"
}
