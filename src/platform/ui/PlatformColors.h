#pragma once

#include <QColor>

// The phone platform's named colours that the screens share, so that each is written once:
// orange RGB (255, 128, 0), dark grey RGB (85, 85, 85) (shadows, borders, dark grey text), light
// grey, the tint of controls and links, and the separators.
//
// Thread: any. Never fails.
namespace PlatformColors {
inline QColor orange() { return QColor(255, 128, 0); }
inline QColor darkGray() { return QColor(85, 85, 85); }
inline QColor lightGray() { return QColor(170, 170, 170); }
// The tint of buttons, alert buttons, links and the filled part of a slider.
inline QColor tint() { return QColor(0, 122, 255); }
// Separators and the empty part of a slider's track.
inline QColor separator() { return QColor(200, 200, 204); }
}
