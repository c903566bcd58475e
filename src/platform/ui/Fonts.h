#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

// The fonts the screens name, and the fonts of the learner languages.
//
// Named fonts: "DBLCDTempBlack" is DSEG7 Classic Bold (fonts-dseg), "MarkerFelt-Thin" is
// Comic Neue Regular (fonts-comic-neue), "Helvetica" and the system font are Noto Sans.
// The button pictures use Material Icons (fonts-material-design-icons-iconfont). The three
// font files are added to the application once (load()); Noto and its script families
// (CJK, Arabic, Devanagari, Thai) come from the system font configuration. Every font made
// here lists the script families behind its own family, so text of any learner language
// renders; the CJK family follows the learner's language (simplified or traditional
// Chinese, Japanese, Korean glyph forms).
//
// Sizes are in points (1 point = 1 device-independent pixel).
//
// Thread: main thread (QFontDatabase). Failure: a font file that is missing or unreadable
// is skipped with one warning on stderr; text then falls back to the system's fonts.
namespace Fonts {
void load();                                    // idempotent
void setLanguage(const QString &languageCode);  // one of the learner language codes
QFont font(const QString &name, qreal size);    // a named font (above) or a family name
QFont systemFont(qreal size);
QFont boldSystemFont(qreal size);
QFont iconFont(qreal size);                     // Material Icons
QString iconFamily();
QStringList fallbackFamilies();                 // script families in the current order
// Families that load() could not provide (empty when everything was found).
QStringList missingFonts();
}
