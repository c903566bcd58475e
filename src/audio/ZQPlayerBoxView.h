#pragma once

#include "ZQPlayerBox.h"

class View;

// The compact player of the spectrum panel: four buttons (stop, speed down, play, speed up)
// at the top of a strip one button high, centred vertically in the view, and the speed hint
// label in blue. Sizes scale with the screen width W: margin W x 20 / 320, buttons
// W x 25 / 320 square, each on a dark round back so that it reads on the bright panel it sits
// on. All behaviour is the ZQPlayerBox's.
//
// Thread: main thread. Never fails.
class ZQPlayerBoxView : public ZQPlayerBox
{
    Q_OBJECT

public:
    explicit ZQPlayerBoxView(const QRectF &frame, QWidget *parent = nullptr);

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
