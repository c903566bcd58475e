#pragma once

#include <QGraphicsProxyWidget>
#include <QGraphicsView>
#include <QColor>
#include <QPointer>
#include <QSizeF>

#include <functional>


class QTimer;
class Window;

// The resizable desktop window around the phone-sized Window: the phone interface is
// scaled uniformly to fit (layouts keep their point geometry, only the scale changes) and
// centred, with a vertical gradient (setLetterboxGradient) in the bands left over. Ctrl+plus and
// Ctrl+minus zoom by quarter steps (0.5x to 4x), Ctrl+0 returns to 1x; the window's size is
// remembered for each interface size (preference "windowSize/375x667" and so on) and
// restored at the next start.
//
// Input, focus, tooltips and the accessibility tree reach the Window's views through Qt's
// graphics proxy, mapped through the scale.
//
// Ownership: the Window stays its owner's; it is embedded while the desktop window lives and
// handed back, unparented and hidden, when the desktop window is destroyed first.
// Thread: main thread. Failure: none; a remembered size that no longer fits the screen is
// shrunk to fit it.
class DesktopWindow : public QGraphicsView
{
    Q_OBJECT
public:
    static constexpr qreal minimumScale() { return 0.5; }
    static constexpr qreal maximumScale() { return 4.0; }
    static constexpr qreal scaleStep() { return 0.25; }

    explicit DesktopWindow(Window *window);
    ~DesktopWindow() override;

    Window *phoneWindow() const { return m_window; }
    // The scale the phone interface is drawn at.
    qreal scale() const { return m_scale; }
    // Resizes the desktop window so that the interface is drawn at `scale` (within the bounds).
    void zoomTo(qreal scale);
    void zoomIn();
    void zoomOut();
    // The window's point size: the Window's size at the current scale's fit.
    QSizeF phoneSize() const;
    // A point of the phone interface in this widget's coordinates.
    QPointF mapFromPhone(const QPointF &point) const;
    // The colours of the bands beside the interface, top to bottom (black until set).
    void setLetterboxGradient(const QColor &top, const QColor &bottom);

    // Where the size is remembered (empty: back to the preferences store).
    static void setSizeStoreForTesting(std::function<void(const QSize &)> store, std::function<QSize()> load);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void drawBackground(QPainter *painter, const QRectF &rect) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    void fit();
    QSize restoredSize() const;

    QPointer<Window> m_window;
    QPointer<QGraphicsProxyWidget> m_proxy;
    QTimer *m_sizeSaver = nullptr;
    qreal m_scale = 1.0;
    QColor m_top = Qt::black;
    QColor m_bottom = Qt::black;
};
