#pragma once

#include "View.h"

#include "platform/foundation/WeakDelegate.h"

#include <QHash>
#include <QPixmap>
#include <QPointer>

class PanGestureRecognizer;
class PickerView;
class QVariantAnimation;
class TapGestureRecognizer;
class QTimer;

// What a picker asks of its owner: the toolkit's data source and delegate in one. The
// picker has one column (component 0).
class PickerViewDelegate : public WeakDelegateTarget
{
public:
    virtual int numberOfRowsInComponent(PickerView *picker, int component) = 0;
    // The view that shows a row. `reusing` is a view of a row no longer needed (null when
    // there is none); it may be updated and returned. The picker owns the returned view.
    virtual QWidget *viewForRow(PickerView *picker, int row, int component, QWidget *reusing) = 0;
    virtual qreal rowHeightForComponent(PickerView *picker, int component);
    virtual qreal widthForComponent(PickerView *picker, int component);
    // A row came to rest in the selection band by the learner's hand.
    virtual void didSelectRow(PickerView *picker, int row, int component);
};

// The one-column wheel picker of the phone toolkit. The rows turn on a drum: the row in the
// middle band is the selected one, rows above and below it tilt away and fade towards the
// top and bottom edges. Two thin lines mark the band when showsSelectionIndicator is on.
//
// The learner turns the wheel by dragging (a flick glides on), with the mouse wheel (one
// row per notch), with the arrow keys, or by tapping a row above or below the band. The
// wheel always comes to rest with a row centred in the band; then the delegate hears
// didSelectRow (once per resting row that differs from the previous one). selectRow()
// moves the wheel by program and tells the delegate nothing.
//
// Ownership: the picker owns its row views (children, never shown on their own: the
// picker paints them). The delegate is a weak reference.
// Thread: main thread. Failure: none; with no delegate or no rows the picker is empty and
// selectedRowInComponent() is -1; rows outside the range are clamped.
class PickerView : public View
{
    Q_OBJECT
public:
    explicit PickerView(QWidget *parent = nullptr);
    PickerView(const QRectF &frame, QWidget *parent = nullptr);
    ~PickerView() override;

    void setDelegate(PickerViewDelegate *delegate);
    PickerViewDelegate *delegate() const { return m_delegate.get(); }
    void setShowsSelectionIndicator(bool shows);
    bool showsSelectionIndicator() const { return m_showsIndicator; }

    // Asks the delegate again for the rows, their height and width, and their views.
    void reloadAllComponents();
    int numberOfRowsInComponent(int component) const;
    qreal rowHeight() const { return m_rowHeight; }
    qreal componentWidth() const { return m_componentWidth; }

    void selectRow(int row, int component, bool animated);
    // The row in the selection band now (while the wheel turns: the one nearest to it).
    int selectedRowInComponent(int component) const;
    // The delegate's view of a row (created on demand); null outside the range.
    QWidget *viewForRow(int row, int component);
    bool isTurning() const;

    // The wheel's position: the selected row's index times the row height.
    qreal offset() const { return m_offset; }
    // The row drawn at a point of the picker; -1 where no row is drawn.
    int rowAtPoint(const QPointF &point) const;
    PanGestureRecognizer *panGestureRecognizer() const { return m_pan; }
    TapGestureRecognizer *tapGestureRecognizer() const { return m_tap; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    qreal maximumOffset() const;
    qreal radius() const;
    void setOffset(qreal offset);
    void glideTo(qreal offset, int durationMs);
    void settle();  // snaps to the nearest row and reports it
    void stopGliding();
    void onPan();
    void onTap();
    QPixmap rowPicture(int row);
    void adopt(QWidget *rowView);
    void reportSelection();

    WeakDelegate<PickerViewDelegate> m_delegate;
    int m_rows = 0;
    qreal m_rowHeight = 32;
    qreal m_componentWidth = 0;
    qreal m_offset = 0;
    qreal m_panStartOffset = 0;
    qreal m_wheelPixels = 0;
    int m_reportedRow = -1;
    bool m_showsIndicator = false;
    QHash<int, QPointer<QWidget>> m_rowViews;
    QHash<int, QPixmap> m_pictures;
    PanGestureRecognizer *m_pan = nullptr;
    TapGestureRecognizer *m_tap = nullptr;
    QPointer<QVariantAnimation> m_glide;
    QTimer *m_wheelRest = nullptr;
};
