#include "WindowOverlay.h"

#include "Window.h"

#include <QPointer>

namespace {
QList<QPointer<WindowOverlay>> &shown()
{
    static QList<QPointer<WindowOverlay>> list;
    return list;
}
}

WindowOverlay::WindowOverlay() : QWidget(nullptr) { setAttribute(Qt::WA_AcceptTouchEvents); }

bool WindowOverlay::coverWindow(QWidget *window)
{
    QWidget *host = window ? window : Window::keyWindow();
    if (!host) {
        m_closed = true;
        deleteLater();
        return false;
    }
    setParent(host);
    setGeometry(host->rect());
    return true;
}

void WindowOverlay::showOverlay()
{
    show();
    raise();
    shown() << this;
}

bool WindowOverlay::closeOverlay()
{
    if (m_closed)
        return false;
    m_closed = true;
    hide();
    shown().removeAll(this);
    deleteLater();
    return true;
}

QList<WindowOverlay *> WindowOverlay::shownOverlays()
{
    QList<WindowOverlay *> result;
    for (const QPointer<WindowOverlay> &overlay : std::as_const(shown())) {
        if (overlay)
            result << overlay;
    }
    return result;
}
