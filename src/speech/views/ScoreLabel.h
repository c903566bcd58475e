#pragma once

#include "platform/ui/AttributedLabel.h"

#include <QColor>

// The score line of the comparison panel: "<Score>: N/10", with the digits of N in a bold
// system font of the label's height and in the score's colour, the rest in the label's own
// font and colour.
//
// Thread: main thread. Failure: none.
class ScoreLabel : public AttributedLabel
{
    Q_OBJECT
public:
    explicit ScoreLabel(const QRectF &frame, QWidget *parent = nullptr);

    // Sets the text from the localised prefix and the score on the 0-10 scale.
    void setScore(const QString &prefix, int score);
    int score() const { return m_score; }
    QColor scoreColor() const { return colorForScore(m_score); }

    // RGB (176, 23, 31) below 5, (199, 97, 20) from 5 to 7, (46, 139, 87) from 8 up.
    static QColor colorForScore(int score);

private:
    int m_score = 0;
};
