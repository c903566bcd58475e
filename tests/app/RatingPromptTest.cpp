// The rating prompt: counting uses, its criteria, and the prompt itself.
#include "platform/ui/AlertView.h"
#include "AppFixture.h"
#include "app/RatingPrompt.h"
#include "platform/foundation/Clock.h"
#include "platform/ui/Window.h"
#include "support/UrlCatcher.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTest>
#include <QTimeZone>

namespace {
class RatingPromptTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        AppFixture::resetState(QString());
        RatingPrompt::Configuration configuration;
        configuration.promptAtLaunch = false;
        configuration.promptForNewVersionIfUserRated = false;
        configuration.onlyPromptIfLatestVersion = false;
        configuration.daysUntilPrompt = 0;
        configuration.usesUntilPrompt = 3;
        configuration.ratingsURL = QUrl(QStringLiteral("https://store.invalid/review"));
        prompt().configure(configuration);
        clock.setCurrentDateTime(QDateTime(QDate(2024, 5, 1), QTime(12, 0), QTimeZone::utc()));
        Clock::setInstance(&clock);
        window = std::make_unique<Window>(QRectF(0, 0, 320, 568));
        window->makeKeyAndVisible();
    }
    void TearDown() override
    {
        window.reset();
        AppFixture::flushDeletes();
        prompt().reset();
        Clock::setInstance(nullptr);
    }
    static constexpr qint64 kHourMs = 3600 * 1000;
    static RatingPrompt &prompt() { return RatingPrompt::instance(); }

    ManualClock clock;
    std::unique_ptr<Window> window;
    UrlCatcher catcher;
};
}

TEST_F(RatingPromptTest, PromptsFromTheThirdUseUntilRated)
{
    prompt().logUse();
    prompt().logUse();
    EXPECT_EQ(prompt().usesCount(), 2);
    EXPECT_FALSE(prompt().shouldPromptForRating());
    EXPECT_FALSE(prompt().promptIfCriteriaMet());
    EXPECT_TRUE(AlertView::visibleAlerts().isEmpty());
    prompt().logUse();
    EXPECT_TRUE(AlertView::visibleAlerts().isEmpty()) << "no prompt at launch";
    ASSERT_TRUE(prompt().promptIfCriteriaMet());
    AlertView *alert = prompt().visiblePrompt();
    ASSERT_NE(alert, nullptr);
    EXPECT_EQ(alert->title(), QStringLiteral("Rate Phrasebook"));
    EXPECT_EQ(alert->numberOfButtons(), 2) << "an empty cancel label gives no cancel button";
    EXPECT_EQ(alert->buttonTitle(0), QStringLiteral("Rate It Now"));
    EXPECT_FALSE(prompt().promptIfCriteriaMet()) << "one prompt at a time";

    alert->clickButton(0);
    EXPECT_EQ(catcher.opened, QList<QUrl>{QUrl(QStringLiteral("https://store.invalid/review"))});
    EXPECT_TRUE(prompt().ratedThisVersion());
    AppFixture::flushDeletes();
    prompt().logUse();
    EXPECT_FALSE(prompt().shouldPromptForRating()) << "rated: never again";
}

TEST_F(RatingPromptTest, RemindLaterWaitsADayAndRatingFromSettingsCounts)
{
    for (int i = 0; i < 3; ++i)
        prompt().logUse();
    ASSERT_TRUE(prompt().promptIfCriteriaMet());
    // Escape is "Remind Me Later" (the prompt has no cancel button).
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_TRUE(AlertView::visibleAlerts().isEmpty());
    AppFixture::flushDeletes();
    EXPECT_FALSE(prompt().ratedThisVersion());
    EXPECT_FALSE(prompt().shouldPromptForRating());
    clock.advance(23 * kHourMs);
    EXPECT_FALSE(prompt().shouldPromptForRating()) << "23 hours later";
    clock.advance(kHourMs + kHourMs / 2);
    EXPECT_TRUE(prompt().shouldPromptForRating());
    // The settings screen marks the version rated.
    prompt().setRatedThisVersion();
    EXPECT_FALSE(prompt().shouldPromptForRating());
    EXPECT_TRUE(prompt().ratedAnyVersion());
}

TEST_F(RatingPromptTest, DaysUntilPromptAndTheCancelButton)
{
    RatingPrompt::Configuration configuration = prompt().configuration();
    configuration.daysUntilPrompt = 2;
    configuration.cancelButtonLabel = QStringLiteral("No, Thanks");
    prompt().configure(configuration);
    for (int i = 0; i < 5; ++i)
        prompt().logUse();
    EXPECT_FALSE(prompt().shouldPromptForRating()) << "first use today";
    clock.advance(48 * kHourMs);
    ASSERT_TRUE(prompt().promptIfCriteriaMet());
    AlertView *alert = prompt().visiblePrompt();
    ASSERT_EQ(alert->numberOfButtons(), 3);
    EXPECT_EQ(alert->cancelButtonIndex(), 2);
    EXPECT_EQ(alert->escapeButtonIndex(), 1) << "Escape puts off, it does not decline";
    alert->clickButton(2);
    EXPECT_TRUE(prompt().declinedThisVersion());
    EXPECT_FALSE(prompt().shouldPromptForRating());
    EXPECT_TRUE(catcher.opened.isEmpty());
}
