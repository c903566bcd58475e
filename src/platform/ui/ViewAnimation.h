#pragma once

#include "Transitioning.h"

#include <QObject>
#include <QPixmap>
#include <QPointer>

#include <functional>

class QVariantAnimation;
class QWidget;

// Draws a view moving between two ViewStates: the view is grabbed into a picture and
// hidden, and an overlay over its parent paints the picture scaled, placed and faded for
// the current progress. The overlay also takes every touch while the animation runs.
// When the animation ends the overlay goes away, the view shows again untransformed and the
// completion runs; the object then deletes itself.
//
// Thread: main thread. Failure: none; if the view is destroyed meanwhile the animation ends
// at once without it.
class ViewAnimation : public QObject
{
    Q_OBJECT
public:
    ViewAnimation(QWidget *view, const ViewState &from, const ViewState &to, int durationMs,
                  std::function<void()> completion, QObject *parent = nullptr);
    ~ViewAnimation() override;

    void start();
    // Moves to the end at once (tests, and a new transition that cannot wait).
    void finishNow();
    void setProgress(qreal progress);  // 0 .. 1 of time

    ViewState currentState() const { return m_current; }
    QRectF currentFrame() const;  // where the view is drawn now, in parent coordinates
    int duration() const { return m_durationMs; }
    bool isRunning() const;

private:
    void finish();

    QPointer<QWidget> m_view;
    ViewState m_from;
    ViewState m_to;
    ViewState m_current;
    QSizeF m_size;
    int m_durationMs;
    std::function<void()> m_completion;
    QPixmap m_picture;
    QPointer<QWidget> m_overlay;
    QPointer<QVariantAnimation> m_animation;
    bool m_finished = false;
    friend class ViewAnimationOverlay;
};
