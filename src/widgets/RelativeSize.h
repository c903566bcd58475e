#pragma once

#include <QtGlobal>

// Layout values designed for a 320 x 568-point screen, scaled to the main screen.
//
// Thread: main thread (reads the device profile). Failure: none.
class RelativeSize
{
public:
    // main-screen width x v / 320
    static qreal getRelativeWidthBy320(qreal v);
    // main-screen height x v / 568
    static qreal getRelativeHeightBy568(qreal v);
    // Screens wider than Screen::tabletWidth points use the tablet sizes.
    static bool isTablet();
};
