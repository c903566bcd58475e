#include "AppDelegate.h"

#include "content/AppCommon.h"
#include "platform/ui/DeviceProfile.h"
#include "MainViewController.h"
#include "platform/ui/NavigationController.h"
#include "RatingPrompt.h"
#include "StoreLinks.h"
#include "platform/ui/SystemUi.h"
#include "platform/ui/Window.h"

#include <QTimer>

AppDelegate::AppDelegate(QObject *parent) : QObject(parent) {}

AppDelegate::~AppDelegate() = default;

QUrl AppDelegate::reviewUrl() { return StoreLinks::reviewPage(); }

bool AppDelegate::applicationDidFinishLaunching()
{
    m_steps.clear();
    // 1. A window with the main screen's bounds.
    m_window = std::make_unique<Window>(Screen::bounds());
    m_window->setWindowTitle(tr("Phrasebook"));
    m_steps << QStringLiteral("window");

    // 2. The data: the learner record, the speed, the catalogue, the start counter.
    if (!AppCommon::userInfoExists()) {
        AppCommon::createUserInfo();
        m_steps << QStringLiteral("createUserInfo");
    }
    AppCommon::setPlaySpeed(1.0);
    m_steps << QStringLiteral("playSpeed");
    if (!AppCommon::preloadCatalogue()) {
        m_launchError = AppCommon::catalogueError();
        return false;
    }
    m_steps << QStringLiteral("catalogue");
    AppCommon::increaseUserInfoCount(QStringLiteral("kStartCount"));
    m_steps << QStringLiteral("startCount");

    // 3. The navigation: the main screen at the root, in a new window replacing the first.
    auto navigation = std::make_unique<NavigationController>(std::make_unique<MainViewController>());
    navigation->setNavigationBarHidden(true);
    auto window = std::make_unique<Window>(Screen::bounds());
    window->setWindowTitle(tr("Phrasebook"));
    window->setRootViewController(std::move(navigation));
    m_window = std::move(window);
    m_window->makeKeyAndVisible();
    m_steps << QStringLiteral("navigation");

    // 4. The rating prompt.
    RatingPrompt::Configuration rating;
    rating.cancelButtonLabel = QString();
    rating.promptAtLaunch = false;
    rating.promptForNewVersionIfUserRated = false;
    rating.onlyPromptIfLatestVersion = false;
    rating.daysUntilPrompt = 0;
    rating.usesUntilPrompt = 3;
    rating.ratingsURL = reviewUrl();
    RatingPrompt::instance().configure(rating);
    // The use is counted once the event loop runs: its state file is written with a sync
    // to disk, which the first frame need not wait for.
    QTimer::singleShot(0, &RatingPrompt::instance(), []() { RatingPrompt::instance().logUse(); });
    m_steps << QStringLiteral("ratingPrompt");
    return true;
}

void AppDelegate::applicationDidEnterBackground() { SystemUi::beginReceivingRemoteControlEvents(); }
