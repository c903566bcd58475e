#pragma once

#include <QImage>

// Image adjustment for button pictures: on a tablet-sized main screen (wider than
// Screen::tabletWidth points) the picture is redrawn at its own point size into a bitmap
// of scale 1; on narrower screens it is returned unchanged. Every button image passes
// through it.
//
// Thread: main thread. Failure: a null image stays null.
class ZQImageUtil
{
public:
    static QImage adjustImage(const QImage &image);
};
