#include "Window.h"

#include "DeviceProfile.h"
#include "KeyCommands.h"
#include "View.h"
#include "ViewController.h"
#include "ViewSupport.h"

#include <QKeyEvent>

namespace {
QPointer<Window> &keySlot()
{
    static QPointer<Window> window;
    return window;
}

Window::Presenter &presenter()
{
    static Window::Presenter function;
    return function;
}
}

Window::Window(const QRectF &frame) : QWidget(nullptr)
{
    const QRect rect = ViewSupport::roundedRect(frame);
    setFixedSize(rect.size());
    setAttribute(Qt::WA_AcceptTouchEvents);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::black);
    setPalette(palette);
}

Window::~Window()
{
    m_root.reset();
    if (keySlot() == this)
        keySlot() = nullptr;
}

void Window::setRootViewController(std::unique_ptr<ViewController> controller)
{
    m_root = std::move(controller);
    if (!m_root)
        return;
    View *root = m_root->view();
    root->setParent(this);
    root->setFrame(QRectF(QPointF(0, 0), QSizeF(size())));
    root->show();
}

void Window::makeKeyAndVisible()
{
    keySlot() = this;
    if (m_root)
        m_root->viewWillAppear(false);
    if (presenter())
        presenter()(this);
    else
        show();
    if (m_root)
        m_root->viewDidAppear(false);
}

Window *Window::keyWindow() { return keySlot(); }

QMarginsF Window::safeAreaInsets() const { return Screen::device().safeAreaInsets; }

void Window::setPresenter(Presenter function) { presenter() = std::move(function); }

void Window::keyPressEvent(QKeyEvent *event)
{
    if (KeyCommands::dispatch(this, event->keyCombination()))
        event->accept();
    else
        QWidget::keyPressEvent(event);
}
