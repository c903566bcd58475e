#pragma once

#include "platform/ui/Label.h"

#include <QPointF>
#include <QPointer>

#include <optional>

class GestureRecognizer;
class PanGestureRecognizer;
class WordOrderAdjustVC;

// One word tile of the word-order quiz: a label the learner drags with one finger or the
// mouse. A press brings it in front of the other tiles; while dragged its centre follows the
// pointer's movement since the press (the grabbed point stays under the pointer), kept
// inside the area's first screen width and its height (in content coordinates, whatever
// the area's scroll position); when the drag ends the screen re-packs the row
// (WordOrderAdjustVC::reorderWords).
//
// Thread: main thread. Failure: none; a tile without a work area or a screen only moves.
class DraggableWordView : public Label
{
    Q_OBJECT
public:
    explicit DraggableWordView(const QRectF &frame, QWidget *parent = nullptr);

    PanGestureRecognizer *pan() const { return m_pan; }
    std::optional<QPointF> originCenter() const { return m_originCenter; }
    WordOrderAdjustVC *myDelegate() const;
    void setMyDelegate(WordOrderAdjustVC *screen);

    // Colours, a font of half the tile's height, touches on, and the one-touch pan.
    void initStyle();
    void moveAction(GestureRecognizer *recognizer);

    // Where the centre goes for `candidate`, kept within `area` (content coordinates).
    static QPointF clampedCenter(const QPointF &candidate, const QSizeF &tile, const QSizeF &area);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    bool event(QEvent *event) override;

private:
    QWidget *workArea() const;  // the scroll view the tile lies in

    PanGestureRecognizer *m_pan = nullptr;
    std::optional<QPointF> m_originCenter;
    QPointer<WordOrderAdjustVC> m_myDelegate;
};
