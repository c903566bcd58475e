#pragma once

#include "content/CategoryInfo.h"

#include <functional>
#include <memory>

class BaseViewController;

// Makers of the screens that the shell opens but that live in other libraries (the quiz
// chooser, the settings screen): each library registers its maker at start-up, before the
// launch. An unregistered screen is not opened: its button does nothing.
//
// Thread: main thread. Failure: make*() returns null when nothing is registered.
namespace ScreenFactory {
// The quiz chooser for one category, or for the whole catalogue when `category` is null.
using QuizOutlineMaker = std::function<std::unique_ptr<BaseViewController>(const CategoryInfoPtr &category)>;
using SettingsMaker = std::function<std::unique_ptr<BaseViewController>()>;

void setQuizOutlineMaker(QuizOutlineMaker maker);
void setSettingsMaker(SettingsMaker maker);
std::unique_ptr<BaseViewController> makeQuizOutline(const CategoryInfoPtr &category);
std::unique_ptr<BaseViewController> makeSettings();
}
