#pragma once

#include <QRectF>
#include <QString>

#include <functional>

class QWidget;

// Keyboard helpers of the screens: a tap that ends editing (hiding the keyboard), and
// observers of the keyboard's will-show, did-show, will-hide and did-hide notifications,
// registered and removed by name. On the desktop the on-screen keyboard is the input
// method's panel (QInputMethod); its visibility drives the notifications, and the end frame
// is its keyboard rectangle.
//
// Taps always reach the views below as well (recognisers only observe), so the pass-on
// option of the tap helper is accepted for its callers and changes nothing.
//
// Thread: main thread. Failure: none; removing an unknown observer does nothing.
namespace KeyboardSupport {
inline const QString kWillShow = QStringLiteral("keyboardWillShow");
inline const QString kDidShow = QStringLiteral("keyboardDidShow");
inline const QString kWillHide = QStringLiteral("keyboardWillHide");
inline const QString kDidHide = QStringLiteral("keyboardDidHide");

void addDismissKeyboardTap(QWidget *view, bool passTapsOn = true);
void dismissKeyboard(QWidget *view);
void addObserver(const QString &name, std::function<void(const QRectF &endFrame)> handler);
void removeObserver(const QString &name);
}
