#include "SettingsFixture.h"

#include "content/AppCommon.h"
#include "content/ZQFileUtil.h"
#include "platform/foundation/Preferences.h"
#include "platform/ui/AlertView.h"

#include <QDir>
#include <QFile>
#include <QTest>

void SettingsFixture::open(const DeviceProfile &device, const QString &language)
{
    AppFixture::resetState(QString(), device);
    AppCommon::setLanguageOverride(language);
    Preferences::remove(QString::fromLatin1(AppCommon::kTestDurationKey));
    AppCommon::createUserInfo();
    AppCommon::increaseUserInfoCount(QStringLiteral("kStartCount"));
    ZQFileUtil::removeFileInFolder(AppCommon::recordFolderPath());
    window = std::make_unique<Window>(Screen::bounds());
    auto screen = std::make_unique<SettingViewController>();
    settings = screen.get();
    auto navigation = std::make_unique<NavigationController>(std::move(screen));
    nav = navigation.get();
    window->setRootViewController(std::move(navigation));
    window->makeKeyAndVisible();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
}

void SettingsFixture::TearDown()
{
    for (AlertView *alert : AlertView::visibleAlerts())
        alert->clickButton(0);
    if (nav)
        nav->finishTransition();
    window.reset();
    AppFixture::flushDeletes();
    AppFixture::resetState(QString());
    AppCommon::setLanguageOverride(QString());
}

void SettingsFixture::writeRecording(const QString &name, qint64 bytes)
{
    QDir().mkpath(AppCommon::recordFolderPath());
    QFile file(AppCommon::recordFolderPath() + name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(bytes, '\x5a'));
}
