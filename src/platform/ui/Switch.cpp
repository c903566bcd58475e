#include "Switch.h"

#include "PlatformColors.h"
#include "ViewSupport.h"

#include <QPainter>
#include <QSignalBlocker>

namespace {
const QColor kOnColour(52, 199, 89);
constexpr qreal kKnobInset = 2;
}

Switch::Switch(QWidget *parent) : QAbstractButton(parent)
{
    setCheckable(true);
    setFocusPolicy(Qt::StrongFocus);
    // Only the learner's hand emits: setOn() changes the state with signals blocked.
    connect(this, &QAbstractButton::toggled, this, [this] {
        update();
        Q_EMIT valueChanged(this);
    });
}

Switch::Switch(const QRectF &frame, QWidget *parent) : Switch(parent) { ViewSupport::setFrame(this, frame); }

void Switch::setOn(bool on)
{
    const QSignalBlocker blocker(this);
    setChecked(on);
    update();
}

QRectF Switch::knobRect() const
{
    const QRectF track = ViewSupport::bounds(this);
    const qreal side = track.height() - 2 * kKnobInset;
    const qreal x = isOn() ? track.right() - kKnobInset - side : track.left() + kKnobInset;
    return QRectF(x, track.top() + kKnobInset, side, side);
}

void Switch::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF track = ViewSupport::bounds(this).adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal radius = track.height() / 2;
    QColor fill = isOn() ? kOnColour : PlatformColors::separator();
    if (!isEnabled())
        fill.setAlpha(110);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawRoundedRect(track, radius, radius);
    const QRectF knob = knobRect();
    painter.setBrush(QColor(0, 0, 0, 30));
    painter.drawEllipse(knob.translated(0, 1));
    painter.setBrush(Qt::white);
    painter.drawEllipse(knob);
    if (hasFocus()) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(PlatformColors::tint(), 1.5));
        painter.drawRoundedRect(track, radius, radius);
    }
}
