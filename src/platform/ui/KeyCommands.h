#pragma once

#include <QKeyCombination>
#include <QWidget>

#include <functional>

// Keyboard commands of the desktop window: a view registers what a key does while it is
// shown (the writing panel: Return submits; a pop-up: Escape closes it; a screen: Space
// plays, Backspace goes back), and the window runs them for the keys that no focused
// widget took (a text field keeps its own Space, Backspace and arrows).
//
// The window asks the views from the most recently registered, that is the top-most, down.
// A modal view (a pop-up with its mask, an alert) ends the search: keys meant for the
// screen below it do nothing while it is shown, as its mask stops touches. Enter on the
// keypad counts as Return.
//
// Commands live as long as their view.
// Thread: main thread. Failure: none; a key nobody registered is left unhandled.
namespace KeyCommands {
enum class Scope { Screen, Modal };

void add(QWidget *view, QKeyCombination key, std::function<void()> action, Scope scope = Scope::Screen);
// Marks `view` modal without giving it a command.
void setModal(QWidget *view);
// Runs the command for `key` in `window`; false when none took it.
bool dispatch(QWidget *window, QKeyCombination key);
}
