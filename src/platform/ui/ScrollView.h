#pragma once

#include "View.h"

#include <QPointer>

class PanGestureRecognizer;
class QVariantAnimation;

// The scroll view of the phone toolkit. Subviews go into contentView(), placed in content
// coordinates; the content moves by the content offset, which stays within
// (0, 0) .. (content size - bounds size). Scrolling: mouse wheel, dragging (a pan gesture
// on the scroll view, so taps on the content still reach their own recognisers), and
// setContentOffset / scrollRectToVisible. The view never bounces past its ends.
//
// A vertical indicator is drawn while scrolling unless showsVerticalScrollIndicator is off.
//
// Thread: main thread. Failure: none; offsets outside the range are clamped.
class ScrollView : public View
{
    Q_OBJECT
public:
    explicit ScrollView(QWidget *parent = nullptr);
    ScrollView(const QRectF &frame, QWidget *parent = nullptr);
    ~ScrollView() override;

    View *contentView() const { return m_content; }
    void setContentSize(const QSizeF &size);
    QSizeF contentSize() const { return m_contentSize; }
    void setContentOffset(const QPointF &offset, bool animated = false);
    QPointF contentOffset() const { return m_offset; }
    QPointF maximumContentOffset() const;
    // Scrolls by the least amount that shows `rect` (content coordinates) fully.
    void scrollRectToVisible(const QRectF &rect, bool animated = false);

    void setShowsVerticalScrollIndicator(bool shows);
    bool showsVerticalScrollIndicator() const { return m_showsIndicator; }
    void setBounces(bool bounces) { m_bounces = bounces; }
    bool bounces() const { return m_bounces; }
    void setScrollEnabled(bool enabled);
    PanGestureRecognizer *panGestureRecognizer() const { return m_pan; }

signals:
    void didScroll();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    void applyOffset();
    void onPan();
    QPointF clamp(const QPointF &offset) const;

    View *m_content = nullptr;
    QWidget *m_indicator = nullptr;
    QSizeF m_contentSize;
    QPointF m_offset;
    QPointF m_panStartOffset;
    bool m_showsIndicator = true;
    bool m_bounces = true;
    bool m_scrollEnabled = true;
    PanGestureRecognizer *m_pan = nullptr;
    QPointer<QVariantAnimation> m_animation;
};
