#pragma once

#include <QAbstractButton>
#include <QRectF>

// The on/off switch of the phone toolkit: a rounded track, green when on and light grey
// when off, with a white round knob at the right when on and at the left when off.
//
// A click on it, or Space while it has the focus, flips it and emits valueChanged; setOn()
// emits nothing, as the toolkit's switch does. It is a checkable button underneath, so
// screen readers announce it with its state. Its frame is set in points like a view's.
//
// Thread: main thread. Failure: none.
class Switch : public QAbstractButton
{
    Q_OBJECT
public:
    static constexpr qreal kWidth = 51;
    static constexpr qreal kHeight = 31;

    explicit Switch(QWidget *parent = nullptr);
    Switch(const QRectF &frame, QWidget *parent = nullptr);

    bool isOn() const { return isChecked(); }
    void setOn(bool on);
    // The knob's rectangle in the switch's coordinates.
    QRectF knobRect() const;

Q_SIGNALS:
    void valueChanged(Switch *sender);

protected:
    void paintEvent(QPaintEvent *event) override;
};
