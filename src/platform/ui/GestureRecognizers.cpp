#include "GestureRecognizers.h"

#include <QLineF>
#include <QWidget>

namespace {
qreal distanceBetween(const QPointF &a, const QPointF &b) { return QLineF(a, b).length(); }
}

// ---- tap ---------------------------------------------------------------------------------

TapGestureRecognizer::TapGestureRecognizer(QObject *parent) : GestureRecognizer(parent) {}

void TapGestureRecognizer::touchesBegan(const Touches &began)
{
    if (state() != State::Possible)
        return;
    cancelTimeout();
    if (m_starts.isEmpty())
        m_maxTouches = 0;
    for (auto it = began.begin(); it != began.end(); ++it)
        m_starts.insert(it.key(), it.value());
    m_maxTouches = qMax(m_maxTouches, numberOfTouches());
    if (m_maxTouches > m_touchesRequired)
        setState(State::Failed);
}

void TapGestureRecognizer::touchesMoved(const Touches &moved)
{
    if (state() != State::Possible)
        return;
    for (auto it = moved.begin(); it != moved.end(); ++it) {
        if (distanceBetween(m_starts.value(it.key(), it.value()), it.value()) > kAllowableMovement) {
            setState(State::Failed);
            return;
        }
    }
}

void TapGestureRecognizer::touchesEnded(const Touches &ended)
{
    if (state() != State::Possible)
        return;
    touchesMoved(ended);
    if (state() != State::Possible || ended.size() < numberOfTouches())
        return;  // failed, or touches remain down
    m_starts.clear();
    if (m_maxTouches != m_touchesRequired) {
        setState(State::Failed);
        return;
    }
    ++m_taps;
    if (m_taps >= m_tapsRequired) {
        setState(State::Ended);
        return;
    }
    scheduleTimeout(kTapIntervalMs, [this]() { failAndReset(); });
}

bool TapGestureRecognizer::awaitsNextSequence() const
{
    return state() == State::Possible && m_taps > 0 && m_taps < m_tapsRequired && timeoutPending();
}

void TapGestureRecognizer::reset()
{
    cancelTimeout();
    m_taps = 0;
    m_maxTouches = 0;
    m_starts.clear();
}

// ---- pan ---------------------------------------------------------------------------------

PanGestureRecognizer::PanGestureRecognizer(QObject *parent) : GestureRecognizer(parent) {}

void PanGestureRecognizer::sample()
{
    m_samples.append({nowMs(), centroid()});
    while (m_samples.size() > 2 && m_samples.last().time - m_samples.first().time > 100)
        m_samples.removeFirst();
}

void PanGestureRecognizer::touchesBegan(const Touches &began)
{
    if (state() == State::Failed || state() == State::Cancelled)
        return;
    if (numberOfTouches() > m_maximumTouches) {
        if (state() == State::Began || state() == State::Changed)
            setState(State::Ended);
        else
            setState(State::Failed);
        return;
    }
    if (!m_tracking) {
        if (numberOfTouches() >= m_minimumTouches) {
            m_tracking = true;
            m_start = centroid();
            m_reference = m_start;
            m_samples.clear();
            sample();
        }
        return;
    }
    // Another touch joined: keep the translation continuous across the centroid jump.
    QPointF before;
    const Touches all = touches();
    int count = 0;
    for (auto it = all.begin(); it != all.end(); ++it) {
        if (!began.contains(it.key())) {
            before += it.value();
            ++count;
        }
    }
    if (count > 0) {
        const QPointF shift = centroid() - before / qreal(count);
        m_reference += shift;
        m_start += shift;
    }
    m_samples.clear();
    sample();
}

void PanGestureRecognizer::touchesMoved(const Touches &)
{
    if (!m_tracking)
        return;
    sample();
    if (state() == State::Possible) {
        if (distanceBetween(m_start, centroid()) > kHysteresis)
            setState(State::Began);
    } else if (state() == State::Began || state() == State::Changed) {
        setState(State::Changed);
    }
}

void PanGestureRecognizer::touchesEnded(const Touches &ended)
{
    if (!m_tracking)
        return;
    const int remaining = numberOfTouches() - int(ended.size());
    if (remaining >= m_minimumTouches && remaining > 0) {
        // A touch lifted: rebase on the remaining ones.
        QPointF after;
        const Touches all = touches();
        for (auto it = all.begin(); it != all.end(); ++it) {
            if (!ended.contains(it.key()))
                after += it.value();
        }
        const QPointF shift = after / qreal(remaining) - centroid();
        m_reference += shift;
        m_start += shift;
        return;
    }
    if (state() == State::Began || state() == State::Changed)
        setState(State::Ended);
    else if (state() == State::Possible)
        setState(State::Failed);
    m_tracking = false;
}

QPointF PanGestureRecognizer::translationInView(const QWidget *) const
{
    if (!m_tracking && m_samples.isEmpty())
        return {};
    const QPointF current = m_samples.isEmpty() ? centroid() : m_samples.last().position;
    return current - m_reference;
}

void PanGestureRecognizer::setTranslation(const QPointF &translation, const QWidget *)
{
    const QPointF current = m_samples.isEmpty() ? centroid() : m_samples.last().position;
    m_reference = current - translation;
}

QPointF PanGestureRecognizer::velocityInView(const QWidget *) const
{
    if (m_samples.size() < 2)
        return {};
    const Sample &first = m_samples.first();
    const Sample &last = m_samples.last();
    const qint64 elapsed = last.time - first.time;
    if (elapsed <= 0)
        return {};
    return (last.position - first.position) * (1000.0 / qreal(elapsed));
}

void PanGestureRecognizer::reset()
{
    m_tracking = false;
    m_samples.clear();
    m_start = m_reference = QPointF();
}

// ---- pinch -------------------------------------------------------------------------------

PinchGestureRecognizer::PinchGestureRecognizer(QObject *parent) : GestureRecognizer(parent) {}

qreal PinchGestureRecognizer::distance() const
{
    const Touches all = touches();
    if (all.size() < 2)
        return 0;
    auto it = all.begin();
    const QPointF first = it.value();
    ++it;
    return distanceBetween(first, it.value());
}

void PinchGestureRecognizer::setScale(qreal scale)
{
    if (scale <= 0)
        return;
    const qreal current = distance();
    if (current > 0)
        m_initialDistance = current / scale;
    m_scale = scale;
}

void PinchGestureRecognizer::touchesBegan(const Touches &)
{
    if (state() == State::Possible && numberOfTouches() >= 2 && m_initialDistance <= 0) {
        m_initialDistance = distance();
        m_scale = 1.0;
        m_lastTime = nowMs();
    }
}

void PinchGestureRecognizer::touchesMoved(const Touches &)
{
    if (numberOfTouches() < 2 || m_initialDistance <= 0)
        return;
    const qreal current = distance();
    const qreal previousScale = m_scale;
    const qint64 now = nowMs();
    if (state() == State::Possible) {
        if (qAbs(current - m_initialDistance) <= kHysteresis)
            return;
        m_scale = current / m_initialDistance;
        m_velocity = 0;
        m_lastTime = now;
        setState(State::Began);
        return;
    }
    if (state() != State::Began && state() != State::Changed)
        return;
    m_scale = current / m_initialDistance;
    if (now > m_lastTime)
        m_velocity = (m_scale - previousScale) * 1000.0 / qreal(now - m_lastTime);
    m_lastTime = now;
    setState(State::Changed);
}

void PinchGestureRecognizer::touchesEnded(const Touches &ended)
{
    const int remaining = numberOfTouches() - int(ended.size());
    if (remaining >= 2)
        return;
    if (state() == State::Began || state() == State::Changed)
        setState(State::Ended);
    else if (state() == State::Possible && remaining == 0)
        setState(State::Failed);
}

void PinchGestureRecognizer::reset()
{
    m_initialDistance = 0;
    m_scale = 1.0;
    m_velocity = 0;
}

// ---- swipe -------------------------------------------------------------------------------

SwipeGestureRecognizer::SwipeGestureRecognizer(QObject *parent) : GestureRecognizer(parent) {}

void SwipeGestureRecognizer::touchesBegan(const Touches &)
{
    if (state() != State::Possible)
        return;
    if (m_maxTouches == 0) {
        m_startTime = nowMs();
    }
    m_maxTouches = qMax(m_maxTouches, numberOfTouches());
    m_start = centroid();
    if (m_maxTouches > m_touchesRequired)
        setState(State::Failed);
}

bool SwipeGestureRecognizer::check()
{
    if (nowMs() - m_startTime > kMaximumDurationMs) {
        setState(State::Failed);
        return true;
    }
    if (numberOfTouches() != m_touchesRequired)
        return false;
    const QPointF delta = centroid() - m_start;
    struct Axis
    {
        Direction direction;
        qreal along;
        qreal across;
    };
    const Axis axes[] = {{Right, delta.x(), delta.y()}, {Left, -delta.x(), delta.y()},
                         {Down, delta.y(), delta.x()}, {Up, -delta.y(), delta.x()}};
    for (const Axis &axis : axes) {
        if ((m_directions & axis.direction) && axis.along >= kMinimumDistance && qAbs(axis.across) <= axis.along / 2) {
            setState(State::Ended);
            return true;
        }
    }
    if (QLineF(QPointF(), delta).length() >= kMinimumDistance * 1.5) {
        setState(State::Failed);
        return true;
    }
    return false;
}

void SwipeGestureRecognizer::touchesMoved(const Touches &)
{
    if (state() == State::Possible)
        check();
}

void SwipeGestureRecognizer::touchesEnded(const Touches &)
{
    if (state() != State::Possible)
        return;
    if (!check())
        setState(State::Failed);
}

void SwipeGestureRecognizer::reset()
{
    m_maxTouches = 0;
    m_startTime = 0;
}

// ---- long press --------------------------------------------------------------------------

LongPressGestureRecognizer::LongPressGestureRecognizer(QObject *parent) : GestureRecognizer(parent) {}

void LongPressGestureRecognizer::touchesBegan(const Touches &)
{
    if (state() != State::Possible)
        return;
    if (numberOfTouches() > m_touchesRequired) {
        cancelTimeout();
        setState(State::Failed);
        return;
    }
    m_start = centroid();
    if (numberOfTouches() == m_touchesRequired) {
        cancelTimeout();
        scheduleTimeout(m_minimumDurationMs, [this]() {
            if (state() == State::Possible && numberOfTouches() == m_touchesRequired)
                setState(State::Began);
        });
    }
}

void LongPressGestureRecognizer::touchesMoved(const Touches &)
{
    if (state() == State::Possible) {
        if (distanceBetween(m_start, centroid()) > m_allowableMovement) {
            cancelTimeout();
            setState(State::Failed);
        }
    } else if (state() == State::Began || state() == State::Changed) {
        setState(State::Changed);
    }
}

void LongPressGestureRecognizer::touchesEnded(const Touches &)
{
    cancelTimeout();
    if (state() == State::Began || state() == State::Changed)
        setState(State::Ended);
    else if (state() == State::Possible)
        setState(State::Failed);
}

void LongPressGestureRecognizer::reset() { cancelTimeout(); }
