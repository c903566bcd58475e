#pragma once

#include "content/AppCommon.h"
#include "platform/media/AudioPlayerSlot.h"
#include "platform/media/AudioSession.h"
#include "app/CategoryController.h"
#include "platform/ui/DeviceProfile.h"
#include "platform/foundation/Clock.h"
#include "platform/foundation/Preferences.h"
#include "app/ScreenMetrics.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QTest>

#include <ostream>

inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

// The installed sample catalogue, a manual media clock (players use the null output, the
// recorder only a file-fed microphone), a 375 x 667 screen and no microphone file.
class CardTestFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Clock::setInstance(&clock);
        AudioSession::sharedInstance().setMicrophoneFile(QString());
        AppCommon::resetCatalogue();
        ASSERT_TRUE(AppCommon::preloadCatalogue()) << qPrintable(AppCommon::catalogueError());
        AppCommon::setLanguageOverride(QStringLiteral("fr"));
        DeviceProfile device = DeviceProfile::defaultProfile();
        device.name = QStringLiteral("test");
        device.size = QSizeF(375, 667);
        Screen::setDevice(device);
        ScreenMetrics::reset();
        CategoryController::setCurrPhraseIndex(0);
        Preferences::remove(QString::fromLatin1(AppCommon::kWordFeedbackKey));
        folder = TestSupport::freshDirectory(QStringLiteral("card"));
    }
    void TearDown() override
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        AudioSession::sharedInstance().setMicrophoneFile(QString());
        AppCommon::setLanguageOverride(QString());
        Preferences::remove(QString::fromLatin1(AppCommon::kWordFeedbackKey));
        Screen::setDevice(DeviceProfile::defaultProfile());
        ScreenMetrics::reset();
        AudioPlayerSlot::clear();
        Clock::setInstance(nullptr);
    }

    // The first category with at least `count` phrases.
    static CategoryInfoPtr categoryWith(int count)
    {
        for (const CategoryInfoPtr &category : AppCommon::getCategoryInfoList()) {
            const auto phrases = AppCommon::getPhraseInfoList(category->id);
            if (phrases && phrases->size() >= count)
                return category;
        }
        return nullptr;
    }

    ManualClock clock;
    QString folder;
};
