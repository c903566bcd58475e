#include "ViewController.h"

#include "DeviceProfile.h"
#include "View.h"

ViewController::ViewController(QObject *parent) : QObject(parent) {}

ViewController::~ViewController()
{
    delete m_view.data();
}

View *ViewController::view()
{
    if (!m_view) {
        m_view = loadView();
        viewDidLoad();
    }
    return m_view;
}

View *ViewController::loadView()
{
    auto *created = new View(Screen::bounds());
    return created;
}
