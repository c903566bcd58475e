#include "KeyboardSupport.h"

#include "BlockGestures.h"
#include "platform/ui/TextField.h"

#include <QGuiApplication>
#include <QHash>
#include <QInputMethod>
#include <QWidget>

namespace {
using Handler = std::function<void(const QRectF &)>;

QHash<QString, Handler> &observers()
{
    static QHash<QString, Handler> table;
    return table;
}

void post(const QString &name)
{
    const Handler handler = observers().value(name);
    if (handler)
        handler(QGuiApplication::inputMethod()->keyboardRectangle());
}

void connectInputMethod()
{
    static bool connected = false;
    if (connected || !qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return;
    connected = true;
    QObject::connect(QGuiApplication::inputMethod(), &QInputMethod::visibleChanged, qApp, []() {
        if (QGuiApplication::inputMethod()->isVisible()) {
            post(KeyboardSupport::kWillShow);
            post(KeyboardSupport::kDidShow);
        } else {
            post(KeyboardSupport::kWillHide);
            post(KeyboardSupport::kDidHide);
        }
    });
}
}

namespace KeyboardSupport {
void addDismissKeyboardTap(QWidget *view, bool passTapsOn)
{
    Q_UNUSED(passTapsOn)
    BlockGestures::addTapGesture(view, 1, [view](BlockTap *) { dismissKeyboard(view); });
}

void dismissKeyboard(QWidget *view)
{
    // A text field that took the keyboard ends editing even while its window is inactive.
    for (TextField *field : view->findChildren<TextField *>()) {
        if (field->isFirstResponder())
            field->resignFirstResponder();
    }
    QWidget *focus = view->window() ? view->window()->focusWidget() : nullptr;
    if (focus && (focus == view || view->isAncestorOf(focus)))
        focus->clearFocus();
}

void addObserver(const QString &name, std::function<void(const QRectF &)> handler)
{
    connectInputMethod();
    observers().insert(name, std::move(handler));
}

void removeObserver(const QString &name) { observers().remove(name); }
}
