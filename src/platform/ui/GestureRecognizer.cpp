#include "GestureRecognizer.h"

#include "platform/foundation/Clock.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QGraphicsProxyWidget>
#include <QGraphicsView>
#include <QGraphicsView>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QTouchEvent>
#include <QWidget>

class Button;

// Feeds touch sequences to the recognisers (see GestureRecognizer.h). Installed once on
// the application as an event filter; it observes events and consumes only the touch
// events of sequences that recognisers take part in (so that no mouse events are
// synthesised from them as well).
class GestureDispatcher : public QObject
{
public:
    static QPointer<GestureDispatcher> &slot()
    {
        static QPointer<GestureDispatcher> dispatcher;
        return dispatcher;
    }

    static GestureDispatcher *existing() { return slot(); }

    static GestureDispatcher *instance()
    {
        QPointer<GestureDispatcher> &dispatcher = slot();
        if (!dispatcher && qApp) {
            dispatcher = new GestureDispatcher(qApp);
            qApp->installEventFilter(dispatcher);
        }
        return dispatcher;
    }

    void forget(GestureRecognizer *recognizer)
    {
        m_participants.removeAll(recognizer);
        m_waiting.removeAll(recognizer);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseMove:
        case QEvent::MouseButtonRelease:
            if (auto *widget = qobject_cast<QWidget *>(watched))
                handleMouse(embeddedTarget(widget, static_cast<QMouseEvent *>(event)), static_cast<QMouseEvent *>(event));
            return false;
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TouchCancel:
            if (auto *widget = qobject_cast<QWidget *>(watched))
                return handleTouch(widget, static_cast<QTouchEvent *>(event));
            return false;
        default:
            return false;
        }
    }

private:
    explicit GestureDispatcher(QObject *parent) : QObject(parent) {}

    struct EventKey
    {
        int type = 0;
        quint64 timestamp = 0;
        QPointF position;
        int extra = 0;
        bool operator==(const EventKey &other) const = default;
    };

    // The application filter sees an event once per widget it propagates through.
    bool seen(const EventKey &key)
    {
        if (key == m_lastKey)
            return true;
        m_lastKey = key;
        return false;
    }

    // A graphics view showing an embedded window (the desktop window) gets the mouse first,
    // and hands on only what the embedded widgets accept: the sequence belongs to the
    // embedded widget under the pointer.
    static QWidget *embeddedTarget(QWidget *widget, const QMouseEvent *event)
    {
        auto *view = qobject_cast<QGraphicsView *>(widget->parentWidget());
        if (!view || view->viewport() != widget)
            return widget;
        const QPoint point = event->position().toPoint();
        for (QGraphicsItem *item : view->items(point)) {
            auto *proxy = qgraphicsitem_cast<QGraphicsProxyWidget *>(item);
            if (!proxy || !proxy->widget())
                continue;
            QWidget *embedded = proxy->widget();
            QWidget *child = embedded->childAt(proxy->mapFromScene(view->mapToScene(point)).toPoint());
            return child ? child : embedded;
        }
        return widget;
    }

    static bool isControl(const QWidget *widget)
    {
        return widget->inherits("Button") || widget->inherits("Slider") || qobject_cast<const QAbstractButton *>(widget)
            || qobject_cast<const QLineEdit *>(widget) || qobject_cast<const QTextEdit *>(widget)
            || qobject_cast<const QPlainTextEdit *>(widget) || qobject_cast<const QAbstractSlider *>(widget)
            || qobject_cast<const QAbstractSpinBox *>(widget) || qobject_cast<const QComboBox *>(widget);
    }

    static bool onControl(QWidget *widget)
    {
        for (QWidget *w = widget; w; w = w->isWindow() ? nullptr : w->parentWidget()) {
            if (isControl(w))
                return true;
            // A text edit's viewport receives the events of the edit.
            if (w->parentWidget() && qobject_cast<QTextEdit *>(w->parentWidget()))
                return true;
        }
        return false;
    }

    QList<QPointer<GestureRecognizer>> collect(QWidget *target) const
    {
        QList<QPointer<GestureRecognizer>> result;
        if (onControl(target))
            return result;
        for (QWidget *w = target; w; w = w->isWindow() ? nullptr : w->parentWidget()) {
            if (!w->isVisible() || !w->isEnabled())
                continue;
            const QList<GestureRecognizer *> own = GestureRecognizer::recognizersOf(w);
            for (GestureRecognizer *recognizer : own) {
                if (recognizer->isEnabled())
                    result << recognizer;
            }
        }
        return result;
    }

    void beginSequence(QWidget *target)
    {
        m_participants = collect(target);
        const QList<QPointer<GestureRecognizer>> waiting = m_waiting;
        m_waiting.clear();
        for (const QPointer<GestureRecognizer> &recognizer : waiting) {
            if (!recognizer)
                continue;
            if (!m_participants.contains(recognizer) || recognizer->state() != GestureRecognizer::State::Possible) {
                if (recognizer->state() == GestureRecognizer::State::Possible)
                    recognizer->setState(GestureRecognizer::State::Failed);
                recognizer->finishSequence();
            }
        }
        m_active = true;
    }

    template<typename Deliver>
    void deliver(Deliver deliverTo)
    {
        const QList<QPointer<GestureRecognizer>> participants = m_participants;
        for (const QPointer<GestureRecognizer> &recognizer : participants) {
            if (!recognizer || !m_participants.contains(recognizer))
                continue;
            const GestureRecognizer::State before = recognizer->state();
            if (before == GestureRecognizer::State::Failed || before == GestureRecognizer::State::Cancelled)
                continue;
            deliverTo(recognizer.data());
            if (!recognizer)
                continue;
            const GestureRecognizer::State after = recognizer->state();
            const bool recognised = before == GestureRecognizer::State::Possible
                && (after == GestureRecognizer::State::Began || after == GestureRecognizer::State::Ended);
            if (recognised)
                excludeOthers(recognizer.data());
        }
    }

public:
    // One gesture wins: the others of its sequence that are still possible fail.
    void excludeOthers(GestureRecognizer *winner)
    {
        if (!m_participants.contains(winner))
            return;
        for (const QPointer<GestureRecognizer> &other : std::as_const(m_participants)) {
            if (other && other != winner && other->state() == GestureRecognizer::State::Possible)
                other->setState(GestureRecognizer::State::Failed);
        }
    }

private:
    void endSequence()
    {
        m_active = false;
        const QList<QPointer<GestureRecognizer>> participants = m_participants;
        m_participants.clear();
        for (const QPointer<GestureRecognizer> &recognizer : participants) {
            if (!recognizer)
                continue;
            if (recognizer->state() == GestureRecognizer::State::Possible && recognizer->awaitsNextSequence()) {
                m_waiting << recognizer;
                continue;
            }
            recognizer->finishSequence();
        }
    }

    void handleMouse(QWidget *widget, QMouseEvent *event)
    {
        const EventKey key{int(event->type()), event->timestamp(), event->globalPosition(), int(event->buttons())};
        if (seen(key))
            return;
        const GestureRecognizer::Touches touches{{0, event->globalPosition()}};
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            if (event->button() != Qt::LeftButton || m_active)
                return;
            m_mouseSequence = true;
            beginSequence(widget);
            deliver([&](GestureRecognizer *r) { r->deliverBegan(touches); });
            break;
        case QEvent::MouseMove:
            if (!m_active || !m_mouseSequence || !(event->buttons() & Qt::LeftButton))
                return;
            deliver([&](GestureRecognizer *r) { r->deliverMoved(touches); });
            break;
        case QEvent::MouseButtonRelease:
            if (!m_active || !m_mouseSequence || event->button() != Qt::LeftButton)
                return;
            deliver([&](GestureRecognizer *r) { r->deliverEnded(touches); });
            m_mouseSequence = false;
            endSequence();
            break;
        default:
            break;
        }
    }

    struct TouchChanges
    {
        GestureRecognizer::Touches began;
        GestureRecognizer::Touches moved;
        GestureRecognizer::Touches ended;
    };

    static TouchChanges changesOf(const QList<QEventPoint> &points)
    {
        TouchChanges changes;
        for (const QEventPoint &point : points) {
            switch (point.state()) {
            case QEventPoint::Pressed:
                changes.began.insert(point.id(), point.globalPosition());
                break;
            case QEventPoint::Released:
                changes.ended.insert(point.id(), point.globalPosition());
                break;
            case QEventPoint::Updated:
                changes.moved.insert(point.id(), point.globalPosition());
                break;
            default:
                break;
            }
        }
        return changes;
    }

    bool handleTouch(QWidget *widget, QTouchEvent *event)
    {
        const QList<QEventPoint> &points = event->points();
        const EventKey key{int(event->type()), event->timestamp(),
                           points.isEmpty() ? QPointF() : points.first().globalPosition(),
                           points.isEmpty() ? -1 : points.first().id()};
        if (seen(key))
            return m_touchSequence;
        const TouchChanges changes = changesOf(points);
        if (event->type() == QEvent::TouchBegin)
            return beginTouchSequence(widget, event, changes.began);
        if (!m_active || !m_touchSequence)
            return false;
        if (event->type() == QEvent::TouchCancel) {
            deliver([&](GestureRecognizer *r) { r->deliverCancelled(); });
            m_touchSequence = false;
            endSequence();
            return true;
        }
        continueTouchSequence(changes);
        if (event->type() == QEvent::TouchEnd) {
            m_touchSequence = false;
            endSequence();
        }
        event->accept();
        return true;
    }

    // A touch sequence starts at the deepest widget under the first touch; it is consumed
    // only when recognisers take part in it.
    bool beginTouchSequence(QWidget *widget, QTouchEvent *event, const GestureRecognizer::Touches &began)
    {
        if (m_active)
            return false;
        const QList<QEventPoint> &points = event->points();
        QWidget *window = widget->window();
        QWidget *hit = points.isEmpty() ? widget
                                        : window->childAt(window->mapFromGlobal(points.first().globalPosition()).toPoint());
        beginSequence(hit ? hit : widget);
        if (m_participants.isEmpty()) {
            // Nothing to recognise: leave the touch to the widgets (and mouse synthesis).
            m_active = false;
            return false;
        }
        m_touchSequence = true;
        deliver([&](GestureRecognizer *r) { r->deliverBegan(began); });
        event->accept();
        return true;
    }

    void continueTouchSequence(const TouchChanges &changes)
    {
        if (!changes.began.isEmpty())
            deliver([&](GestureRecognizer *r) { r->deliverBegan(changes.began); });
        if (!changes.moved.isEmpty())
            deliver([&](GestureRecognizer *r) { r->deliverMoved(changes.moved); });
        if (!changes.ended.isEmpty())
            deliver([&](GestureRecognizer *r) { r->deliverEnded(changes.ended); });
    }

    QList<QPointer<GestureRecognizer>> m_participants;
    QList<QPointer<GestureRecognizer>> m_waiting;
    bool m_active = false;
    bool m_mouseSequence = false;
    bool m_touchSequence = false;
    EventKey m_lastKey;
};

GestureRecognizer::GestureRecognizer(QObject *parent) : QObject(parent)
{
    if (auto *widget = qobject_cast<QWidget *>(parent))
        attachTo(widget);
}

GestureRecognizer::~GestureRecognizer()
{
    cancelTimeout();
    if (GestureDispatcher *dispatcher = GestureDispatcher::existing())
        dispatcher->forget(this);
}

void GestureRecognizer::attachTo(QWidget *view)
{
    GestureDispatcher::instance();  // installs the event filter
    m_view = view;
    if (parent() != view)
        setParent(view);
    view->setAttribute(Qt::WA_AcceptTouchEvents);
}

void GestureRecognizer::setEnabled(bool enabled)
{
    m_enabled = enabled;
    if (!enabled && (m_state == State::Began || m_state == State::Changed))
        setState(State::Cancelled);
}

QPointF GestureRecognizer::locationInView(const QWidget *view) const
{
    const QWidget *target = view ? view : m_view.data();
    if (!target)
        return {};
    return target->mapFromGlobal(centroid());
}

qint64 GestureRecognizer::nowMs() { return Clock::instance().nowMs(); }

void GestureRecognizer::scheduleTimeout(qint64 delayMs, std::function<void()> callback)
{
    cancelTimeout();
    m_timeoutClock = &Clock::instance();
    m_timeoutId = m_timeoutClock->schedule(delayMs, [this, callback = std::move(callback)]() {
        m_timeoutId = 0;
        callback();
    });
}

void GestureRecognizer::cancelTimeout()
{
    if (m_timeoutClock && m_timeoutId != 0)
        m_timeoutClock->cancel(m_timeoutId);
    m_timeoutId = 0;
}

QList<GestureRecognizer *> GestureRecognizer::recognizersOf(const QWidget *view)
{
    return view->findChildren<GestureRecognizer *>(Qt::FindDirectChildrenOnly);
}

void GestureRecognizer::touchesCancelled() { setState(State::Cancelled); }

void GestureRecognizer::setState(State state)
{
    const State previous = m_state;
    m_state = state;
    if (previous == State::Possible && (state == State::Began || state == State::Ended)) {
        if (GestureDispatcher *dispatcher = GestureDispatcher::existing())
            dispatcher->excludeOthers(this);
    }
    const bool reports = state == State::Began || state == State::Changed || state == State::Ended
        || (state == State::Cancelled && (previous == State::Began || previous == State::Changed));
    if (reports)
        emit triggered(this);
}

QPointF GestureRecognizer::centroid() const
{
    if (m_touches.isEmpty())
        return m_lastCentroid;
    QPointF sum;
    for (const QPointF &point : m_touches)
        sum += point;
    return sum / qreal(m_touches.size());
}

QPointF GestureRecognizer::toView(const QPointF &global) const
{
    return m_view ? m_view->mapFromGlobal(global) : global;
}

void GestureRecognizer::deliverBegan(const Touches &began)
{
    for (auto it = began.begin(); it != began.end(); ++it)
        m_touches.insert(it.key(), it.value());
    m_lastCentroid = centroid();
    touchesBegan(began);
}

void GestureRecognizer::deliverMoved(const Touches &moved)
{
    for (auto it = moved.begin(); it != moved.end(); ++it)
        m_touches.insert(it.key(), it.value());
    m_lastCentroid = centroid();
    touchesMoved(moved);
}

void GestureRecognizer::deliverEnded(const Touches &ended)
{
    for (auto it = ended.begin(); it != ended.end(); ++it)
        m_touches.insert(it.key(), it.value());
    m_lastCentroid = centroid();
    // The ending touches still count while the subclass handles them.
    touchesEnded(ended);
    for (auto it = ended.begin(); it != ended.end(); ++it)
        m_touches.remove(it.key());
}

void GestureRecognizer::deliverCancelled()
{
    touchesCancelled();
    m_touches.clear();
}

void GestureRecognizer::failAndReset()
{
    if (m_state == State::Possible)
        m_state = State::Failed;
    if (m_touches.isEmpty()) {
        m_state = State::Possible;
        reset();
    }
}

void GestureRecognizer::finishSequence()
{
    m_touches.clear();
    if (m_state != State::Possible || !awaitsNextSequence()) {
        m_state = State::Possible;
        reset();
    }
}
