#pragma once

#include "app/AppFixture.h"

#include "platform/ui/NavigationController.h"
#include "platform/ui/Window.h"
#include "settings/SettingViewController.h"

#include <gtest/gtest.h>

#include "support/UrlCatcher.h"

#include <memory>

// A settings screen at the root of a navigation stack, in a window of the chosen device,
// over a learner record as the first launch leaves it (started once, nothing else) and
// no stored time limit or speed.
class SettingsFixture : public ::testing::Test
{
protected:
    void open(const DeviceProfile &device = DeviceProfile::defaultProfile(),
              const QString &language = QStringLiteral("en"));
    void TearDown() override;
    // A file of `bytes` bytes in the recordings folder.
    static void writeRecording(const QString &name, qint64 bytes);

    std::unique_ptr<Window> window;
    NavigationController *nav = nullptr;
    SettingViewController *settings = nullptr;
    UrlCatcher catcher;
};
