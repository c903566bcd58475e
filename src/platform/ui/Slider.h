#pragma once

#include "View.h"

// The slider of the phone toolkit: a horizontal track with a round thumb choosing a value
// between minimumValue and maximumValue. The part of the track left of the thumb is drawn
// in the tint colour, the rest in light grey.
//
// The learner drags the thumb, or presses anywhere on the track to move the thumb there
// and drag on; the mouse wheel and the arrow keys move it by a twentieth of the range.
// While the value changes by the learner's hand, valueChanged is emitted on every change
// when continuous (the default), else once when the thumb is released. setValue() emits
// nothing, as the toolkit's slider does.
//
// Thread: main thread. Failure: none; values outside the range are clamped, and a range
// whose maximum is below its minimum is treated as the single value minimumValue.
class Slider : public View
{
    Q_OBJECT
public:
    static constexpr qreal kThumbDiameter = 28;

    explicit Slider(QWidget *parent = nullptr);
    Slider(const QRectF &frame, QWidget *parent = nullptr);

    void setMinimumValue(float value);
    float minimumValue() const { return m_minimum; }
    void setMaximumValue(float value);
    float maximumValue() const { return m_maximum; }
    void setValue(float value);
    float value() const { return m_value; }
    void setContinuous(bool continuous) { m_continuous = continuous; }
    bool isContinuous() const { return m_continuous; }
    void setMinimumTrackTintColor(const QColor &color);
    bool isTracking() const { return m_tracking; }

    // The thumb's rectangle in the slider's coordinates.
    QRectF thumbRect() const;
    // The value under a horizontal position of the slider.
    float valueForX(qreal x) const;

signals:
    void valueChanged(Slider *slider);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    float clamped(float value) const;
    qreal trackLeft() const;
    qreal trackWidth() const;
    // Sets a value the learner chose; emits when it changed and `emitNow`.
    void moveTo(float value, bool emitNow);
    void stepBy(int steps);

    float m_minimum = 0;
    float m_maximum = 1;
    float m_value = 0;
    bool m_continuous = true;
    bool m_tracking = false;
    bool m_changedWhileTracking = false;
    qreal m_grabOffset = 0;  // thumb centre minus the pointer, while dragging the thumb
    QColor m_minimumTrackColor;
};
