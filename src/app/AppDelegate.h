#pragma once

#include <QObject>
#include <QStringList>
#include <QUrl>

#include <memory>

class Window;

// The application delegate: the launch sequence and the life-cycle notifications.
//
// Launch, in order: a window with the screen's bounds; the learner record created when
// missing; "playSpeed" set to 1.0; the whole catalogue loaded; "kStartCount" counted; the
// navigation stack (bar hidden) with the main screen at its root in a new window that
// replaces the first, made key and visible; the rating prompt configured (no cancel
// button, no prompt at launch, none for a new version once rated, any version, 0 days,
// 3 uses); the use is counted when the event loop next runs.
//
// Thread: main thread. Failure: broken installed content stops the launch after the
// catalogue step: applicationDidFinishLaunching() returns false and launchError() names the
// file and the fault; the first window is still there to show it in.
class AppDelegate : public QObject
{
    Q_OBJECT
public:
    explicit AppDelegate(QObject *parent = nullptr);
    ~AppDelegate() override;

    bool applicationDidFinishLaunching();
    void applicationDidEnterBackground();

    Window *window() const { return m_window.get(); }
    QString launchError() const { return m_launchError; }
    // The launch steps as they ran ("window", "createUserInfo", "playSpeed", "catalogue",
    // "startCount", "navigation", "ratingPrompt").
    QStringList launchSteps() const { return m_steps; }

    // The store's write-review page of the application (a build setting).
    static QUrl reviewUrl();

private:
    std::unique_ptr<Window> m_window;
    QString m_launchError;
    QStringList m_steps;
};
