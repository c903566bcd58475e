#include "SettingsTour.h"

#include "SettingViewController.h"
#include "TestDurPickerView.h"
#include "UserInfoVC.h"

#include "app/MainViewController.h"
#include "content/AppCommon.h"
#include "platform/ui/AlertView.h"
#include "platform/ui/Button.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/SharePanel.h"
#include "platform/ui/Window.h"

namespace {
// Time for a push: the 0.8 s zoom and a little more.
constexpr int kTransitionMs = 1100;

// The screen on top once no transition runs.
template<class Screen>
Screen *topScreen(Window *window)
{
    ViewController *top = ScreenTour::topViewController(window);
    if (!top || (top->navigationController() && top->navigationController()->isTransitioning()))
        return nullptr;
    return qobject_cast<Screen *>(top);
}

void closeAlerts()
{
    for (AlertView *alert : AlertView::visibleAlerts())
        alert->clickButton(qMax(0, alert->cancelButtonIndex()));
}

QString openSettings(Window *window)
{
    closeAlerts();
    if (ViewController *top = ScreenTour::topViewController(window); top && top->navigationController())
        top->navigationController()->finishTransition();
    ScreenTour::popToRoot(window);
    auto *main = qobject_cast<MainViewController *>(ScreenTour::topViewController(window));
    if (!main)
        return QStringLiteral("the main screen is not shown");
    main->openSettings(main->toolBar()->leftBtn());
    return qobject_cast<SettingViewController *>(ScreenTour::topViewController(window))
        ? QString()
        : QStringLiteral("the settings screen did not open");
}

QString openPicker(Window *window)
{
    SettingViewController *settings = topScreen<SettingViewController>(window);
    if (!settings)
        return QStringLiteral("the settings screen is not shown");
    settings->selectCellWithTag(SettingViewController::kTestDurationTag);
    return settings->testDurPicker() ? QString() : QStringLiteral("the duration picker did not open");
}

QString confirmClear(Window *window)
{
    SettingViewController *settings = topScreen<SettingViewController>(window);
    if (!settings)
        return QStringLiteral("the settings screen is not shown");
    if (TestDurPickerView *picker = settings->testDurPicker())
        picker->closeAction(picker->cancelButton());
    settings->selectCellWithTag(SettingViewController::kClearCacheTag);
    return settings->clearCacheAlert() ? QString() : QStringLiteral("the confirmation did not open");
}

QString openShare(Window *window)
{
    SettingViewController *settings = topScreen<SettingViewController>(window);
    if (!settings)
        return QStringLiteral("the settings screen is not shown");
    if (AlertView *alert = settings->clearCacheAlert())
        alert->clickButton(alert->cancelButtonIndex());
    settings->selectCellWithTag(SettingViewController::kShareAppTag);
    return settings->sharePanel() ? QString() : QStringLiteral("the share panel did not open");
}

QString openStats(Window *window)
{
    SettingViewController *settings = topScreen<SettingViewController>(window);
    if (!settings)
        return QStringLiteral("the settings screen is not shown");
    if (SharePanel *panel = settings->sharePanel())
        panel->cancel();
    settings->selectCellWithTag(SettingViewController::kExperienceTag);
    return QString();
}
}

namespace SettingsTour {
QList<ScreenTour::Step> steps()
{
    QList<ScreenTour::Step> walk;
    const auto settingsShown = [](Window *window) { return topScreen<SettingViewController>(window) != nullptr; };
    walk.append({QStringLiteral("settings"), openSettings, kTransitionMs, settingsShown});
    walk.append({QStringLiteral("settings-ar"), [](Window *) { return QString(); }, 100, settingsShown,
                 []() { return AppCommon::currentLanguage() == QLatin1String("ar"); }});
    walk.append({QStringLiteral("settings-picker"), openPicker, 300, {}});
    walk.append({QStringLiteral("settings-clear-confirm"), confirmClear, 300, {}});
    walk.append({QStringLiteral("share"), openShare, 300, {}});
    walk.append({QStringLiteral("stats"), openStats, kTransitionMs,
                 [](Window *window) { return topScreen<UserInfoVC>(window) != nullptr; }});
    return walk;
}
}
