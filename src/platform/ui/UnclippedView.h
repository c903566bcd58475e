#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QRectF>
#include <QWidget>

// Lets a view show beyond the bounds of its superview, as views of the phone toolkit do:
// there only a view that clips to its bounds (and a scroll view) cuts off its subviews,
// whereas Qt clips every child to its parent.
//
// The view keeps its superview for everything the screens see (ViewSupport::superview,
// frame, setFrame and setCenter in the superview's coordinates), but is drawn from a
// carrier: a widget laid over the nearest ancestor that clips on the phone (a scroll view,
// a View with clipsToBounds, or the top-level window), masked to the view's own rectangle
// so that it takes touches only there. The carrier follows the superview: its moves and
// resizes (scrolling included), its visibility, a change of its ancestors, and its
// destruction, which destroys the view as a destroyed superview destroys its subviews.
//
// Ownership: the link is a child of the view; the carrier owns the view and deletes itself
// once the view is gone.
// Thread: main thread. Failure: none; a view without a superview stays as it is.
class UnclippedView : public QObject
{
    Q_OBJECT
public:
    // Makes `view` unclipped (nothing when it already is or has no superview).
    static void attach(QWidget *view);
    static UnclippedView *of(const QWidget *view);
    // Whether the phone toolkit cuts off the subviews of `widget`: the window, a scroll view,
    // a View with clipsToBounds.
    static bool clipsSubviews(const QWidget *widget);

    QWidget *superview() const { return m_superview; }
    // The view's frame in its superview's coordinates.
    QRectF frame() const { return m_frame; }
    void setFrame(const QRectF &frame);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    UnclippedView(QWidget *view, QWidget *superview);
    QWidget *clippingAncestor() const;
    void watchAncestors();
    void update();
    void updateVisibility();
    void updateMask();
    void onSuperviewDestroyed();

    QPointer<QWidget> m_view;
    QPointer<QWidget> m_superview;
    QPointer<QWidget> m_carrier;
    QList<QPointer<QWidget>> m_watched;
    QRectF m_frame;
    bool m_updating = false;
};
