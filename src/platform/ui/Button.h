#pragma once

#include "View.h"

#include <QFont>
#include <QHash>
#include <QImage>
#include <QMarginsF>

// The button of the phone toolkit: an image and/or a title per control state over the view
// layer, and the control events of a touch: touch down, drag exit and enter (the pointer
// leaving or re-entering the bounds grown by 70 points, as the toolkit counts them), touch up
// inside or outside, and cancel.
//
// The title is one line (tail truncated) unless setTitleNumberOfLines allows more (0: any
// number), in which case it wraps within the button less its title insets; with
// titleAdjustsFontSizeToFitWidth the font shrinks until the title fits.
//
// While pressed the button is highlighted: without a highlighted image its image is drawn
// darker, and with showsTouchWhenHighlighted a soft white glow marks the touch. A disabled
// button draws its image faded and takes no touches.
//
// Thread: main thread. Failure: none.
class Button : public View
{
    Q_OBJECT
public:
    enum class State { Normal, Highlighted, Disabled, Selected };

    explicit Button(QWidget *parent = nullptr);
    Button(const QRectF &frame, QWidget *parent = nullptr);

    void setImage(const QImage &image, State state = State::Normal);
    QImage image(State state = State::Normal) const;  // falls back to Normal
    QImage currentImage() const;
    void setTitle(const QString &title, State state = State::Normal);
    QString title(State state = State::Normal) const;
    QString currentTitle() const;
    void setTitleColor(const QColor &color, State state = State::Normal);
    QColor titleColor(State state = State::Normal) const;
    void setTitleFont(const QFont &font);
    QFont titleFont() const { return m_titleFont; }
    void setTitleAdjustsFontSizeToFitWidth(bool adjusts);
    void setTitleNumberOfLines(int lines);
    int titleNumberOfLines() const { return m_titleLines; }
    // Room kept free between the button's edges and its title.
    void setTitleEdgeInsets(const QMarginsF &insets);
    QMarginsF titleEdgeInsets() const { return m_titleInsets; }
    // Horizontal placement of the content: Qt::AlignLeft, AlignHCenter or AlignRight.
    void setContentHorizontalAlignment(Qt::Alignment alignment);
    void setShowsTouchWhenHighlighted(bool shows);
    bool showsTouchWhenHighlighted() const { return m_showsTouch; }

    void setSelected(bool selected);
    bool isSelected() const { return m_selected; }
    bool isHighlighted() const { return m_highlighted; }
    State state() const;

    // The font the title is drawn with (after shrinking to fit).
    QFont fittedTitleFont() const;

signals:
    void touchDown(Button *button);
    void touchDragEnter(Button *button);
    void touchDragExit(Button *button);
    void touchUpInside(Button *button);
    void touchUpOutside(Button *button);
    void touchCancel(Button *button);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    // Draws image and title; subclasses may draw over it.
    void paintContent(QPainter &painter) const;

private:
    void paintWrappedTitle(QPainter &painter, const QString &text, const QColor &color) const;
    void paintTouchGlow(QPainter &painter, State current) const;
    bool isTouchInside(const QPointF &point) const;
    void setHighlighted(bool highlighted);

    QHash<int, QImage> m_images;
    QHash<int, QString> m_titles;
    QHash<int, QColor> m_titleColors;
    QFont m_titleFont;
    bool m_titleAdjusts = false;
    int m_titleLines = 1;
    QMarginsF m_titleInsets;
    Qt::Alignment m_contentAlignment = Qt::AlignHCenter;
    bool m_showsTouch = false;
    bool m_selected = false;
    bool m_highlighted = false;
    bool m_tracking = false;
    bool m_inside = false;
};
