#include "SettingsScreens.h"

#include "SettingViewController.h"
#include "SettingsTour.h"

#include "app/ScreenFactory.h"
#include "app/ScreenTour.h"

namespace SettingsScreens {
void registerWithShell()
{
    ScreenFactory::setSettingsMaker([]() -> std::unique_ptr<BaseViewController> {
        return std::make_unique<SettingViewController>();
    });
    static bool toured = false;
    if (!toured) {
        toured = true;
        ScreenTour::steps().append(SettingsTour::steps());
    }
}
}
