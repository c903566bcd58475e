#pragma once

#include <QColor>
#include <QList>
#include <QWidget>

// Base of the panels that cover their whole window (alerts, the share panel, the mail
// composer): shown over a window, such a panel belongs to it, and once closed it hides and
// deletes itself later in the event loop.
//
// Ownership: the window (Qt parent) from the moment the overlay covers it; an overlay that
// finds no window to cover deletes itself later.
// Thread: main thread. Failure: coverWindow() returns false when there is no window.
class WindowOverlay : public QWidget
{
    Q_OBJECT
public:
    WindowOverlay();

    bool isClosed() const { return m_closed; }

    // The look the sheets and panels of an overlay share: their background, the margin
    // between a bottom sheet and the window edges (and between its panels), and the height
    // of one row of a bottom sheet.
    static QColor panelColour() { return QColor(248, 248, 248); }
    static constexpr qreal kSheetMargin = 8;
    static constexpr qreal kSheetRowHeight = 57;

    // The overlays of type T on screen now, oldest first.
    template<class T>
    static QList<T *> visibleOverlays()
    {
        QList<T *> result;
        for (WindowOverlay *overlay : shownOverlays()) {
            if (T *typed = qobject_cast<T *>(overlay); typed && overlay->isVisible())
                result << typed;
        }
        return result;
    }

protected:
    // Takes the size of `window` (the key window when null) as its child; the subclass then
    // lays itself out and calls showOverlay().
    bool coverWindow(QWidget *window);
    // Shows the overlay on top of everything in its window.
    void showOverlay();
    // Hides the overlay and deletes it later; false when it was closed already.
    bool closeOverlay();

private:
    static QList<WindowOverlay *> shownOverlays();

    bool m_closed = false;
};
