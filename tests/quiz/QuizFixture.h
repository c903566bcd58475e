#pragma once

#include "app/AppFixture.h"
#include "app/ScreenMetrics.h"
#include "content/AppCommon.h"
#include "platform/foundation/Preferences.h"
#include "platform/media/AudioPlayerSlot.h"
#include "platform/foundation/Clock.h"
#include "platform/ui/DeviceProfile.h"
#include "quiz/BaseQuizViewController.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>

#include <memory>
#include <ostream>

inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

// The installed sample catalogue (voices included), a fresh learner record, no stored time
// limit, a French learner on a 375 x 667 screen and a manual clock: timers and the
// null audio output move only when a test advances the clock.
class QuizFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Clock::setInstance(&clock);
        AppCommon::resetCatalogue();
        ASSERT_TRUE(AppCommon::preloadCatalogue()) << qPrintable(AppCommon::catalogueError());
        AppCommon::resetUserInfoPaths();
        QFile::remove(AppCommon::userInfoPath());
        AppCommon::createUserInfo();
        Preferences::remove(QString::fromLatin1(AppCommon::kTestDurationKey));
        AppCommon::setLanguageOverride(QStringLiteral("fr"));
        useDevice(QSizeF(375, 667));
    }
    void TearDown() override
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        AppCommon::setLanguageOverride(QString());
        Screen::setDevice(DeviceProfile::defaultProfile());
        ScreenMetrics::reset();
        AudioPlayerSlot::clear();
        Clock::setInstance(nullptr);
    }

    static void useDevice(const QSizeF &size) { AppFixture::useScreenSize(size); }

    // A configured quiz with its view built (the count-down running).
    template<class Quiz>
    static std::unique_ptr<Quiz> makeQuiz(const CategoryInfoPtr &category = nullptr, float limit = 60.0f)
    {
        auto quiz = std::make_unique<Quiz>();
        quiz->configQuiz(10, QStringLiteral("Quiz"), category, limit);
        quiz->view();
        return quiz;
    }

    static CategoryInfoPtr category(const QString &id)
    {
        for (const CategoryInfoPtr &candidate : AppCommon::getCategoryInfoList()) {
            if (candidate->id == id)
                return candidate;
        }
        return nullptr;
    }

    static qint64 quizCount() { return AppCommon::getUserInfoCount(QStringLiteral("kQuizCount")); }
    static qint64 quizTotalScore() { return AppCommon::getUserInfoCount(QStringLiteral("kQuizTotalScore")); }

    ManualClock clock;
};
