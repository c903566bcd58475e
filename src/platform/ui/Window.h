#pragma once

#include <QMarginsF>
#include <QPointer>
#include <QWidget>

#include <memory>

class ViewController;

// The application window of the phone toolkit: a fixed-size top-level widget the size of
// the main screen, holding the root view controller's view. One window at a time is the
// key window (the last made key and visible); in-window alerts appear over it.
//
// Safe-area insets are those of the device profile (Screen::device()).
//
// Ownership: the window owns its root view controller and destroys it first.
// Thread: main thread. Failure: none.
class Window : public QWidget
{
    Q_OBJECT
public:
    explicit Window(const QRectF &frame);
    ~Window() override;

    void setRootViewController(std::unique_ptr<ViewController> controller);
    ViewController *rootViewController() const { return m_root.get(); }
    // Shows the window, makes it the key window and sends the root the appearance calls.
    void makeKeyAndVisible();
    bool isKeyWindow() const { return keyWindow() == this; }
    static Window *keyWindow();

    QMarginsF safeAreaInsets() const;

private:
    std::unique_ptr<ViewController> m_root;
};
