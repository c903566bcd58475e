#include "ViewSupport.h"

#include "UnclippedView.h"

#include <QGraphicsDropShadowEffect>
#include <QGraphicsOpacityEffect>
#include <QVariant>
#include <QWidget>

#include <cmath>

namespace {
constexpr const char *kFrameProperty = "_pb_frame";
constexpr const char *kTagProperty = "_pb_tag";
constexpr const char *kAlphaProperty = "_pb_alpha";
constexpr const char *kShadowOpacityProperty = "_pb_shadowOpacity";
constexpr const char *kShadowColorProperty = "_pb_shadowColor";
}

namespace ViewSupport {
QRect roundedRect(const QRectF &frame)
{
    const int left = int(std::lround(frame.left()));
    const int top = int(std::lround(frame.top()));
    const int right = int(std::lround(frame.left() + frame.width()));
    const int bottom = int(std::lround(frame.top() + frame.height()));
    return QRect(left, top, qMax(0, right - left), qMax(0, bottom - top));
}

void setFrame(QWidget *view, const QRectF &frame)
{
    view->setProperty(kFrameProperty, frame);
    if (UnclippedView *link = UnclippedView::of(view)) {
        link->setFrame(frame);
        return;
    }
    view->setGeometry(roundedRect(frame));
}

QRectF frame(const QWidget *view)
{
    if (const UnclippedView *link = UnclippedView::of(view))
        return link->frame();
    const QVariant stored = view->property(kFrameProperty);
    if (stored.isValid()) {
        const QRectF exact = stored.toRectF();
        if (roundedRect(exact) == view->geometry())
            return exact;
    }
    return QRectF(view->geometry());
}

QRectF bounds(const QWidget *view) { return QRectF(QPointF(0, 0), frame(view).size()); }

QPointF center(const QWidget *view) { return frame(view).center(); }

void setCenter(QWidget *view, const QPointF &point)
{
    QRectF rect = frame(view);
    rect.moveCenter(point);
    setFrame(view, rect);
}

void setTag(QWidget *view, int value) { view->setProperty(kTagProperty, value); }

int tag(const QWidget *view) { return view->property(kTagProperty).toInt(); }

QWidget *viewWithTag(QWidget *root, int value)
{
    if (tag(root) == value)
        return root;
    const QList<QWidget *> children = root->findChildren<QWidget *>();
    for (QWidget *child : children) {
        if (tag(child) == value)
            return child;
    }
    return nullptr;
}

void setShadow(QWidget *view, const QColor &color, const QPointF &offset, qreal radius, qreal opacity)
{
    auto *effect = qobject_cast<QGraphicsDropShadowEffect *>(view->graphicsEffect());
    if (!effect) {
        effect = new QGraphicsDropShadowEffect;
        view->setGraphicsEffect(effect);  // the view owns it
    }
    view->setProperty(kShadowColorProperty, color);
    effect->setOffset(offset);
    // A layer shadow radius is a Gaussian spread; the effect's blur radius covers about
    // twice that distance.
    effect->setBlurRadius(radius * 2);
    setShadowOpacity(view, opacity);
}

void setShadowOpacity(QWidget *view, qreal opacity)
{
    auto *effect = qobject_cast<QGraphicsDropShadowEffect *>(view->graphicsEffect());
    if (!effect)
        return;
    view->setProperty(kShadowOpacityProperty, opacity);
    QColor color = view->property(kShadowColorProperty).value<QColor>();
    color.setAlphaF(float(qBound<qreal>(0, color.alphaF() * opacity, 1)));
    effect->setColor(color);
    effect->setEnabled(opacity > 0);
}

qreal shadowOpacity(const QWidget *view)
{
    if (!qobject_cast<QGraphicsDropShadowEffect *>(view->graphicsEffect()))
        return 0;
    return view->property(kShadowOpacityProperty).toReal();
}

void setAlpha(QWidget *view, qreal value)
{
    view->setProperty(kAlphaProperty, value);
    if (qobject_cast<QGraphicsDropShadowEffect *>(view->graphicsEffect()))
        return;
    if (value >= 1.0) {
        if (qobject_cast<QGraphicsOpacityEffect *>(view->graphicsEffect()))
            view->setGraphicsEffect(nullptr);
        return;
    }
    auto *effect = qobject_cast<QGraphicsOpacityEffect *>(view->graphicsEffect());
    if (!effect) {
        effect = new QGraphicsOpacityEffect;
        view->setGraphicsEffect(effect);
    }
    effect->setOpacity(value);
}

qreal alpha(const QWidget *view)
{
    const QVariant stored = view->property(kAlphaProperty);
    return stored.isValid() ? stored.toReal() : 1.0;
}

void setUserInteractionEnabled(QWidget *view, bool enabled)
{
    view->setAttribute(Qt::WA_TransparentForMouseEvents, !enabled);
}

bool isUserInteractionEnabled(const QWidget *view)
{
    return !view->testAttribute(Qt::WA_TransparentForMouseEvents);
}

QWidget *superview(const QWidget *view)
{
    if (const UnclippedView *link = UnclippedView::of(view))
        return link->superview();
    return view ? view->parentWidget() : nullptr;
}

void setShowsOutsideSuperview(QWidget *view)
{
    UnclippedView::attach(view);
}

QPointF convertToWindow(const QWidget *view, const QPointF &point)
{
    QPointF result = point;
    const QWidget *widget = view;
    while (widget && !widget->isWindow()) {
        result += frame(widget).topLeft();
        widget = superview(widget);
    }
    return result;
}

QPointF convertPoint(const QPointF &point, const QWidget *from, const QWidget *to)
{
    return convertToWindow(from, point) - convertToWindow(to, QPointF(0, 0));
}

QPointF centerInWindow(const QWidget *view)
{
    return convertToWindow(view, bounds(view).center());
}
}
