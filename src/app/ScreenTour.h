#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QTimer;
class ViewController;
class Window;

// The --tour walk: from the main screen it visits every screen that exists, saving the
// window after each step as DIR/<name>.png (main.png, category.png, category-playing.png,
// category-faster.png, category-paused.png, card.png, card-hidden.png, write.png,
// card-recording.png, compare.png, compare-word-playing.png), then
// reports its
// exit status. Each step acts on the screen the
// previous step left (opening a screen, pressing a player button) and waits for the
// transition and a short settling time (and, where a step says so, for the state it shows)
// before the picture is taken.
//
// Screens added later join the walk by appending a step to steps() before the tour starts.
//
// Thread: main thread (real time: it waits on Qt timers).
// Failure: a step that cannot act (the screen it expects is not on top) or a picture that
// cannot be written ends the tour at once with status 1 and a message on stderr naming the
// step or file; a folder that cannot be created likewise.
class ScreenTour : public QObject
{
    Q_OBJECT

public:
    struct Step
    {
        QString name;                              // the picture's file name, without ".png"
        std::function<QString(Window *)> action;   // empty result: done; else an error message
        int settleMs = 300;                        // wait after the action before the picture
        // When set, the picture also waits (polling, up to 5 s) until this holds.
        std::function<bool(Window *)> until;
        // When set, the step runs only if this holds as the tour reaches it (a picture of one
        // interface language, say); it is passed over otherwise.
        std::function<bool()> runIf = {};
    };

    ScreenTour(Window *window, const QString &folder, std::function<void(int status)> done,
               QObject *parent = nullptr);

    // The walk of the screens built so far; later screens append to it.
    static QList<Step> &steps();
    // The screen on top of the window's navigation stack (null when there is none).
    static ViewController *topViewController(Window *window);
    // Pops every screen above the root at once, without the zoom.
    static void popToRoot(Window *window);
    // Presses a microphone button (`press`) and releases it (`release`, unless `screen` is
    // gone by then) once the microphone file has played, less the `heldMs` the button has
    // already been held; an error when the file cannot be read. Either may be empty, so a
    // press and its release can be pictured in separate steps.
    static QString holdMicrophone(QObject *screen, const std::function<void()> &press,
                                  const std::function<void()> &release, int heldMs = 0);

    void start();

private:
    void runStep();
    void waitAndCapture(int waitedMs);
    void capture();
    void finish(int status);

    Window *m_window;
    QString m_folder;
    std::function<void(int)> m_done;
    QList<Step> m_steps;
    int m_index = 0;
};
