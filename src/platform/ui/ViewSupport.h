#pragma once

#include <QColor>
#include <QPointF>
#include <QRectF>

class QWidget;

// Properties that every view of the phone toolkit has, for any QWidget: an exact frame in
// points (QWidget geometry is whole pixels; the exact value is kept for layout arithmetic
// and tests), a tag, a layer shadow and an alpha, and point conversion to the window.
//
// Thread: main thread. Failure: none; a widget that never had a frame set reports its
// geometry.
namespace ViewSupport {
// Geometry is rounded edge by edge, so adjacent frames share their edges.
void setFrame(QWidget *view, const QRectF &frame);
QRectF frame(const QWidget *view);
QRectF bounds(const QWidget *view);  // (0, 0, frame size)
QPointF center(const QWidget *view);  // in the parent's coordinates
void setCenter(QWidget *view, const QPointF &center);

void setTag(QWidget *view, int tag);
int tag(const QWidget *view);  // 0 when never set
QWidget *viewWithTag(QWidget *root, int tag);  // root itself or a descendant

// A layer shadow: drawn from the view's painted pixels, offset and blurred. Opacity 0 keeps
// the shadow prepared but invisible. Replaces any alpha set with setAlpha.
void setShadow(QWidget *view, const QColor &color, const QPointF &offset, qreal radius, qreal opacity);
void setShadowOpacity(QWidget *view, qreal opacity);
qreal shadowOpacity(const QWidget *view);  // 0 without a shadow
// Opacity of the whole view and its children; ignored on a view that has a shadow.
void setAlpha(QWidget *view, qreal alpha);
qreal alpha(const QWidget *view);

// Whether the view and its children take touches (transparent for the mouse when not).
void setUserInteractionEnabled(QWidget *view, bool enabled);
bool isUserInteractionEnabled(const QWidget *view);

// The view's superview: its parent widget, or for a view shown outside its superview's
// bounds the view it belongs to (see setShowsOutsideSuperview).
QWidget *superview(const QWidget *view);
// Lets the view show in full beyond its superview's bounds, as the phone toolkit draws
// views that a clipping ancestor does not cut off (UnclippedView). Its frame stays in the
// superview's coordinates.
void setShowsOutsideSuperview(QWidget *view);

// A point of `view` in the coordinates of its top-level window.
QPointF convertToWindow(const QWidget *view, const QPointF &point);
QPointF centerInWindow(const QWidget *view);
// A point of `from` in the coordinates of `to` (both in the same window).
QPointF convertPoint(const QPointF &point, const QWidget *from, const QWidget *to);

// Rounded geometry of an exact frame.
QRect roundedRect(const QRectF &frame);
}
