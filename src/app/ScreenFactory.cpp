#include "ScreenFactory.h"

#include "BaseViewController.h"

namespace {
ScreenFactory::QuizOutlineMaker &quizOutlineMaker()
{
    static ScreenFactory::QuizOutlineMaker maker;
    return maker;
}

ScreenFactory::SettingsMaker &settingsMaker()
{
    static ScreenFactory::SettingsMaker maker;
    return maker;
}
}

namespace ScreenFactory {
void setQuizOutlineMaker(QuizOutlineMaker maker) { quizOutlineMaker() = std::move(maker); }
void setSettingsMaker(SettingsMaker maker) { settingsMaker() = std::move(maker); }

std::unique_ptr<BaseViewController> makeQuizOutline(const CategoryInfoPtr &category)
{
    return quizOutlineMaker() ? quizOutlineMaker()(category) : nullptr;
}

std::unique_ptr<BaseViewController> makeSettings() { return settingsMaker() ? settingsMaker()() : nullptr; }
}
