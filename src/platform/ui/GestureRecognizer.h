#pragma once

#include "platform/foundation/Clock.h"

#include <QList>
#include <QMap>
#include <QObject>
#include <QPointF>
#include <QPointer>

#include <functional>

class QWidget;

// Base of the gesture recognisers of the phone toolkit, fed with mouse and touch events.
//
// A recogniser is attached to a view. A touch sequence (a mouse press to its release, or
// a touch begin to its end) that starts on the view or on any of its descendants is
// offered to every enabled recogniser of that view and its ancestors, deepest first, all
// in parallel. A sequence that starts on a control (a button, a text field, a slider)
// belongs to the control alone. When one recogniser recognises (a discrete gesture ends,
// a continuous one begins), the others of the sequence that are still possible fail, so
// one gesture wins. Events stay with the widgets as well; recognisers only observe them.
//
// Discrete recognisers (tap, swipe) report once, in the state Ended (= Recognized);
// continuous ones (pan, pinch, long press) report Began, Changed..., then Ended or
// Cancelled. Reports are the signal triggered().
//
// Time (long-press delays, tap intervals, velocities) comes from the installed Clock
// (platform/foundation), so tests drive recognisers on a manual clock.
//
// Thread: main thread. Failure: none; a recogniser whose view is destroyed detaches itself.
class GestureRecognizer : public QObject
{
    Q_OBJECT
public:
    enum class State { Possible, Began, Changed, Ended, Cancelled, Failed };
    static constexpr State Recognized = State::Ended;

    explicit GestureRecognizer(QObject *parent = nullptr);
    ~GestureRecognizer() override;

    // Attaches to `view` (the view becomes the parent, so it owns the recogniser).
    void attachTo(QWidget *view);
    QWidget *view() const { return m_view; }
    State state() const { return m_state; }
    void setEnabled(bool enabled);
    bool isEnabled() const { return m_enabled; }

    // The centroid of the current touches in `view` coordinates (the recogniser's own view
    // when null).
    QPointF locationInView(const QWidget *view = nullptr) const;
    int numberOfTouches() const { return int(m_touches.size()); }

    // Recognisers attached to `view` (not its descendants).
    static QList<GestureRecognizer *> recognizersOf(const QWidget *view);

signals:
    void triggered(GestureRecognizer *recognizer);

protected:
    // Touches are global positions by touch id; the mouse is touch 0.
    using Touches = QMap<int, QPointF>;
    virtual void touchesBegan(const Touches &began) = 0;
    virtual void touchesMoved(const Touches &moved) = 0;
    virtual void touchesEnded(const Touches &ended) = 0;
    virtual void touchesCancelled();
    // Back to Possible after a finished gesture: clear the subclass's tracking.
    virtual void reset() {}
    // Whether the recogniser waits for a further touch sequence (multi-tap).
    virtual bool awaitsNextSequence() const { return false; }

    void setState(State state);
    // Gives up on the gesture; outside a touch sequence the recogniser is ready again at once.
    void failAndReset();
    const Touches &touches() const { return m_touches; }
    QPointF centroid() const;  // global
    QPointF toView(const QPointF &global) const;  // global point in the view's coordinates

    // Milliseconds on the installed clock.
    static qint64 nowMs();
    // Runs `callback` once, `delayMs` from now on the installed clock, replacing a pending
    // one. A pending callback is dropped by cancelTimeout() and when the recogniser goes.
    void scheduleTimeout(qint64 delayMs, std::function<void()> callback);
    void cancelTimeout();
    bool timeoutPending() const { return m_timeoutId != 0; }

private:
    friend class GestureDispatcher;
    void deliverBegan(const Touches &began);
    void deliverMoved(const Touches &moved);
    void deliverEnded(const Touches &ended);
    void deliverCancelled();
    void finishSequence();

    QPointer<QWidget> m_view;
    State m_state = State::Possible;
    bool m_enabled = true;
    Touches m_touches;
    QPointF m_lastCentroid;
    QPointer<Clock> m_timeoutClock;
    int m_timeoutId = 0;
};
