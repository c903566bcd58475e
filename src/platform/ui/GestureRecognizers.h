#pragma once

#include "GestureRecognizer.h"

#include <QFlags>

// The five recognisers of the phone toolkit (see GestureRecognizer.h for the common rules).
// Distances are in points, times in milliseconds of the installed clock.
//
// Thread: main thread. Failure: none; a gesture that does not match fails silently.

// Discrete: numberOfTapsRequired taps of numberOfTouchesRequired touches, each touch moving
// at most 10 points, the next tap starting within 350 ms of the previous one's end.
class TapGestureRecognizer : public GestureRecognizer
{
    Q_OBJECT
public:
    static constexpr qreal kAllowableMovement = 10;
    static constexpr qint64 kTapIntervalMs = 350;

    explicit TapGestureRecognizer(QObject *parent = nullptr);
    void setNumberOfTapsRequired(int taps) { m_tapsRequired = qMax(1, taps); }
    int numberOfTapsRequired() const { return m_tapsRequired; }
    void setNumberOfTouchesRequired(int touches) { m_touchesRequired = qMax(1, touches); }
    int numberOfTouchesRequired() const { return m_touchesRequired; }

protected:
    void touchesBegan(const Touches &began) override;
    void touchesMoved(const Touches &moved) override;
    void touchesEnded(const Touches &ended) override;
    void reset() override;
    bool awaitsNextSequence() const override;

private:
    int m_tapsRequired = 1;
    int m_touchesRequired = 1;
    int m_taps = 0;
    int m_maxTouches = 0;
    Touches m_starts;
};

// Continuous: begins once the touches have moved more than 10 points together.
class PanGestureRecognizer : public GestureRecognizer
{
    Q_OBJECT
public:
    static constexpr qreal kHysteresis = 10;

    explicit PanGestureRecognizer(QObject *parent = nullptr);
    void setMinimumNumberOfTouches(int touches) { m_minimumTouches = qMax(1, touches); }
    void setMaximumNumberOfTouches(int touches) { m_maximumTouches = qMax(1, touches); }

    // Movement since the touches went down (or since setTranslation), in points.
    QPointF translationInView(const QWidget *view = nullptr) const;
    void setTranslation(const QPointF &translation, const QWidget *view = nullptr);
    // Points per second over the most recent movement.
    QPointF velocityInView(const QWidget *view = nullptr) const;

protected:
    void touchesBegan(const Touches &began) override;
    void touchesMoved(const Touches &moved) override;
    void touchesEnded(const Touches &ended) override;
    void reset() override;

private:
    void sample();

    int m_minimumTouches = 1;
    int m_maximumTouches = 1 << 30;
    bool m_tracking = false;
    QPointF m_start;
    QPointF m_reference;
    struct Sample
    {
        qint64 time;
        QPointF position;
    };
    QList<Sample> m_samples;
};

// Continuous: two touches; begins once their distance has changed by more than 8 points;
// scale = current distance / distance when the second touch went down.
class PinchGestureRecognizer : public GestureRecognizer
{
    Q_OBJECT
public:
    static constexpr qreal kHysteresis = 8;

    explicit PinchGestureRecognizer(QObject *parent = nullptr);
    qreal scale() const { return m_scale; }
    void setScale(qreal scale);
    qreal velocity() const { return m_velocity; }  // scale per second

protected:
    void touchesBegan(const Touches &began) override;
    void touchesMoved(const Touches &moved) override;
    void touchesEnded(const Touches &ended) override;
    void reset() override;

private:
    qreal distance() const;

    qreal m_initialDistance = 0;
    qreal m_scale = 1.0;
    qreal m_velocity = 0;
    qint64 m_lastTime = 0;
};

// Discrete: the touches travel at least 50 points in an allowed direction, within 500 ms of
// going down, deviating from it by at most half the distance travelled.
class SwipeGestureRecognizer : public GestureRecognizer
{
    Q_OBJECT
public:
    enum Direction { Right = 1, Left = 2, Up = 4, Down = 8 };
    Q_DECLARE_FLAGS(Directions, Direction)
    static constexpr qreal kMinimumDistance = 50;
    static constexpr qint64 kMaximumDurationMs = 500;

    explicit SwipeGestureRecognizer(QObject *parent = nullptr);
    void setDirection(Directions directions) { m_directions = directions; }
    Directions direction() const { return m_directions; }
    void setNumberOfTouchesRequired(int touches) { m_touchesRequired = qMax(1, touches); }
    int numberOfTouchesRequired() const { return m_touchesRequired; }

protected:
    void touchesBegan(const Touches &began) override;
    void touchesMoved(const Touches &moved) override;
    void touchesEnded(const Touches &ended) override;
    void reset() override;

private:
    bool check();  // true when decided (recognised or failed)

    Directions m_directions = Right;
    int m_touchesRequired = 1;
    int m_maxTouches = 0;
    QPointF m_start;
    qint64 m_startTime = 0;
};

// Continuous: begins when the touches have stayed within 10 points for
// minimumPressDuration (500 ms by default); Changed on movement, Ended on release.
class LongPressGestureRecognizer : public GestureRecognizer
{
    Q_OBJECT
public:
    explicit LongPressGestureRecognizer(QObject *parent = nullptr);
    void setMinimumPressDuration(qint64 ms) { m_minimumDurationMs = qMax<qint64>(0, ms); }
    qint64 minimumPressDuration() const { return m_minimumDurationMs; }
    void setAllowableMovement(qreal points) { m_allowableMovement = points; }
    void setNumberOfTouchesRequired(int touches) { m_touchesRequired = qMax(1, touches); }

protected:
    void touchesBegan(const Touches &began) override;
    void touchesMoved(const Touches &moved) override;
    void touchesEnded(const Touches &ended) override;
    void reset() override;

private:
    qint64 m_minimumDurationMs = 500;
    qreal m_allowableMovement = 10;
    int m_touchesRequired = 1;
    QPointF m_start;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(SwipeGestureRecognizer::Directions)
