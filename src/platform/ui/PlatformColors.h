#pragma once

#include <QColor>

// The phone platform's named colours that the screens share, so that each is written once:
// orange RGB (255, 128, 0) and dark grey RGB (85, 85, 85) (shadows, borders, dark grey text).
//
// Thread: any. Never fails.
namespace PlatformColors {
inline QColor orange() { return QColor(255, 128, 0); }
inline QColor darkGray() { return QColor(85, 85, 85); }
}
