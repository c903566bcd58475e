#pragma once

#include <QMarginsF>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>

class ViewController;

// The application window of the phone toolkit: a fixed-size top-level widget the size of
// the main screen, holding the root view controller's view. One window at a time is the
// key window (the last made key and visible); in-window alerts appear over it.
//
// Safe-area insets are those of the device profile (Screen::device()). Keys that no focused
// view takes run the keyboard commands of the views shown (KeyCommands).
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
    // With a presenter set, the presenter shows it (the desktop window embeds it).
    void makeKeyAndVisible();
    using Presenter = std::function<void(Window *window)>;
    static void setPresenter(Presenter presenter);
    bool isKeyWindow() const { return keyWindow() == this; }
    static Window *keyWindow();

    QMarginsF safeAreaInsets() const;

protected:
    // Keys no focused view took run the views' keyboard commands (KeyCommands).
    void keyPressEvent(QKeyEvent *event) override;

private:
    std::unique_ptr<ViewController> m_root;
};
