// The launch sequence: its order, the counters it changes, the frame it builds, and broken
// content.
#include "content/AppCommon.h"
#include "app/AppDelegate.h"
#include "AppFixture.h"
#include "app/MainViewController.h"
#include "platform/ui/NavigationController.h"
#include "platform/foundation/Preferences.h"
#include "app/RatingPrompt.h"
#include "platform/ui/SystemUi.h"
#include "support/TestSupport.h"
#include "platform/ui/Window.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>

namespace {
class LaunchTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        bundle = AppFixture::writeBundle(TestSupport::freshDirectory(QStringLiteral("launch")), 3);
        AppFixture::resetState(bundle);
    }
    void TearDown() override { AppFixture::flushDeletes(); }
    QString bundle;
};
}

TEST_F(LaunchTest, StepsRunInOrderAndBuildTheFrame)
{
    AppCommon::setPlaySpeed(1.5);
    AppDelegate delegate;
    ASSERT_TRUE(delegate.applicationDidFinishLaunching()) << delegate.launchError().toStdString();
    EXPECT_EQ(delegate.launchSteps(), (QStringList{"window", "createUserInfo", "playSpeed", "catalogue", "startCount",
                                                   "navigation", "ratingPrompt"}));
    EXPECT_DOUBLE_EQ(AppCommon::playSpeed(), 1.0);
    EXPECT_EQ(AppCommon::getUserInfoCount(QStringLiteral("kStartCount")), 1);
    EXPECT_EQ(AppCommon::getTotalExp(), 10);
    // The whole catalogue is in memory before the first screen.
    ASSERT_EQ(AppCommon::getCategoryInfoList().size(), 3);
    for (const CategoryInfoPtr &category : AppCommon::getCategoryInfoList())
        EXPECT_TRUE(category->phraseInfoList.has_value());

    Window *window = delegate.window();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isKeyWindow());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->size(), QSize(375, 667));
    auto *navigation = qobject_cast<NavigationController *>(window->rootViewController());
    ASSERT_NE(navigation, nullptr);
    EXPECT_TRUE(navigation->isNavigationBarHidden());
    ASSERT_EQ(navigation->viewControllers().size(), 1);
    EXPECT_NE(qobject_cast<MainViewController *>(navigation->topViewController()), nullptr);
    EXPECT_TRUE(SystemUi::isStatusBarHidden());
    EXPECT_TRUE(SystemUi::isIdleTimerDisabled());

    const RatingPrompt::Configuration &rating = RatingPrompt::instance().configuration();
    EXPECT_EQ(rating.usesUntilPrompt, 3);
    EXPECT_EQ(rating.daysUntilPrompt, 0);
    EXPECT_TRUE(rating.cancelButtonLabel.isEmpty());
    EXPECT_FALSE(rating.promptAtLaunch);
    EXPECT_FALSE(rating.promptForNewVersionIfUserRated);
    EXPECT_FALSE(rating.onlyPromptIfLatestVersion);
    EXPECT_EQ(rating.ratingsURL, AppDelegate::reviewUrl());
    EXPECT_EQ(RatingPrompt::instance().usesCount(), 0) << "counted once the event loop runs";
    QCoreApplication::processEvents();
    EXPECT_EQ(RatingPrompt::instance().usesCount(), 1);

    delegate.applicationDidEnterBackground();
    EXPECT_TRUE(SystemUi::isReceivingRemoteControlEvents());
}

TEST_F(LaunchTest, ASecondLaunchKeepsTheRecordAndCountsTheStart)
{
    {
        AppDelegate first;
        ASSERT_TRUE(first.applicationDidFinishLaunching());
        QCoreApplication::processEvents();
    }
    AppCommon::increaseUserInfoCount(QStringLiteral("kListenCount"));
    AppCommon::resetCatalogue(bundle);
    AppDelegate second;
    ASSERT_TRUE(second.applicationDidFinishLaunching());
    EXPECT_FALSE(second.launchSteps().contains(QStringLiteral("createUserInfo")));
    EXPECT_EQ(AppCommon::getUserInfoCount(QStringLiteral("kStartCount")), 2);
    EXPECT_EQ(AppCommon::getUserInfoCount(QStringLiteral("kListenCount")), 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(RatingPrompt::instance().usesCount(), 2);
}

TEST_F(LaunchTest, BrokenContentStopsTheLaunchWithTheFileNamed)
{
    // A truncated pkgInfo.
    const QString pkgInfo = bundle + QStringLiteral("/2/pkgInfo");
    QFile file(pkgInfo);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("{\"id\": 2, \"na");
    file.close();
    AppDelegate delegate;
    EXPECT_FALSE(delegate.applicationDidFinishLaunching());
    EXPECT_TRUE(delegate.launchError().contains(pkgInfo)) << delegate.launchError().toStdString();
    EXPECT_FALSE(delegate.launchSteps().contains(QStringLiteral("startCount")));
    EXPECT_EQ(AppCommon::getUserInfoCount(QStringLiteral("kStartCount")), 0) << "nothing counted";
    ASSERT_NE(delegate.window(), nullptr) << "the first window is there to show the message";
    EXPECT_EQ(delegate.window()->rootViewController(), nullptr);

    // A missing phrase list.
    const QString other = AppFixture::writeBundle(TestSupport::freshDirectory(QStringLiteral("missing")), 2);
    QFile::remove(other + QStringLiteral("/1/phrasesInfo"));
    AppFixture::resetState(other);
    AppDelegate again;
    EXPECT_FALSE(again.applicationDidFinishLaunching());
    EXPECT_TRUE(again.launchError().contains(other + QStringLiteral("/1/phrasesInfo")))
        << again.launchError().toStdString();
}

TEST_F(LaunchTest, ABrokenLearnerRecordDoesNotStopTheLaunch)
{
    AppCommon::createUserInfo();
    QFile record(AppCommon::userInfoPath());
    ASSERT_TRUE(record.open(QIODevice::WriteOnly | QIODevice::Truncate));
    record.write("not a record at all");
    record.close();
    AppDelegate delegate;
    ASSERT_TRUE(delegate.applicationDidFinishLaunching());
    EXPECT_EQ(AppCommon::getUserInfoCount(QStringLiteral("kStartCount")), 1);
}
