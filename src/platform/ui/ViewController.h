#pragma once

#include <QObject>
#include <QPointer>

class NavigationController;
class View;

// The view controller of the phone toolkit: owns one full-screen view, created on first
// access (loadView, then viewDidLoad), and receives the appearance calls of the navigation
// stack around every push and pop.
//
// Ownership: the controller deletes its view when it is destroyed; the view's Qt parent
// (the container it is shown in) never outlives the controller stack that owns it.
//
// Thread: main thread. Failure: none.
class ViewController : public QObject
{
    Q_OBJECT
public:
    enum class StatusBarStyle { Default, LightContent };

    explicit ViewController(QObject *parent = nullptr);
    ~ViewController() override;

    View *view();
    bool isViewLoaded() const { return !m_view.isNull(); }
    NavigationController *navigationController() const { return m_navigationController; }

    virtual void viewDidLoad() {}
    virtual void viewWillAppear(bool animated) { Q_UNUSED(animated) }
    virtual void viewDidAppear(bool animated) { Q_UNUSED(animated) }
    virtual void viewWillDisappear(bool animated) { Q_UNUSED(animated) }
    virtual void viewDidDisappear(bool animated) { Q_UNUSED(animated) }
    virtual StatusBarStyle preferredStatusBarStyle() const { return StatusBarStyle::Default; }

protected:
    // Creates the view: a View with the main screen's bounds. Subclasses may build another.
    virtual View *loadView();

private:
    friend class NavigationController;
    void setNavigationController(NavigationController *navigation) { m_navigationController = navigation; }

    QPointer<View> m_view;
    NavigationController *m_navigationController = nullptr;
};
