#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

// The button pictures and other image assets, by the names the screens use ("btn_back",
// "zq_play", ...). Each name maps, through one table, to a Material Design Icons glyph and
// a look: a white bar or player glyph, a round badge for the large study buttons, their
// greyed variants (names ending in "2": the disabled look), a frosted texture, or the
// application icon ("IconShare"). Pictures are drawn at twice the screen's pixel ratio on
// first use (sharp when the desktop window zooms) and cached.
//
// Thread: main thread (fonts). Failure: an unknown name gives a null image and one warning
// on stderr.
namespace AssetImages {
QImage image(const QString &name);
bool contains(const QString &name);
QStringList names();
// The glyph's code point, 0 for assets that are not glyphs.
char32_t glyph(const QString &name);
// The application icon at `pixels` x `pixels`.
QImage applicationIcon(int pixels);
void clearCache();
}
