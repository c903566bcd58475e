#pragma once

#include "ZQPlayerBox.h"

class View;

// The list player of the category screen: a row of seven buttons (stop, previous, speed
// down, play, speed up, next, play model) centred in a clear strip filling the view, and
// the speed hint label in dark grey. Sizes: margin 15 and buttons 32 x 32, or 20 and 40 x 40
// on a tablet-sized screen (Screen::isTablet). All behaviour is the ZQPlayerBox's.
//
// Thread: main thread. Never fails.
class ZQListPlayerBoxView : public ZQPlayerBox
{
    Q_OBJECT

public:
    explicit ZQListPlayerBoxView(const QRectF &frame, QWidget *parent = nullptr);

    float margin() const { return m_margin; }
    float btnWidth() const { return m_btnWidth; }
    float btnHeight() const { return m_btnHeight; }
    float volumeSliderWidth() const { return m_volumeSliderWidth; }
    float timeLabelWidth() const { return m_timeLabelWidth; }
    View *boxView() const { return m_boxView; }

    void drawBoxRect();

private:
    float m_margin = 0;
    float m_btnWidth = 0;
    float m_btnHeight = 0;
    float m_volumeSliderWidth = 0;
    float m_timeLabelWidth = 0;
    View *m_boxView = nullptr;
};
