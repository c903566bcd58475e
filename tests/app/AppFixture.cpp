#include "AppFixture.h"

#include "content/AppCommon.h"
#include "platform/foundation/Preferences.h"
#include "app/MainViewController.h"
#include "app/RatingPrompt.h"
#include "app/ScreenFactory.h"
#include "app/ScreenMetrics.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/SystemUi.h"
#include "platform/ui/Window.h"
#include "content/ZQCryptor.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace AppFixture {
void writeCategory(const QString &bundle, int id, const QString &name, const QColor &cover)
{
    const QString folder = bundle + QLatin1Char('/') + QString::number(id);
    QDir().mkpath(folder);
    const QJsonObject names{{"en", name}, {"fr", name + QStringLiteral(" (fr)")}};
    QFile info(folder + QStringLiteral("/pkgInfo"));
    info.open(QIODevice::WriteOnly);
    info.write(QJsonDocument(QJsonObject{{"id", id}, {"name", name}, {"nameTrans", names}}).toJson());
    info.close();
    QJsonArray phrases;
    for (int i = 0; i < 2; ++i) {
        const int phraseId = id * 100 + i;
        phrases.append(QJsonObject{{"id", phraseId}, {"txt", QStringLiteral("Phrase %1").arg(phraseId)}});
    }
    QFile list(folder + QStringLiteral("/phrasesInfo"));
    list.open(QIODevice::WriteOnly);
    list.write(ZQCryptor::encryptWithDES(QString::fromUtf8(QJsonDocument(phrases).toJson()), ZQCryptor::contentKey)
                   .toUtf8());
    list.close();
    QImage image(400, 300, QImage::Format_RGB32);
    image.fill(cover);
    image.save(folder + QStringLiteral("/cover.jpg"), "JPEG");
}

QString writeBundle(const QString &root, int count)
{
    const QString bundle = root + QStringLiteral("/resources.bundle");
    QDir().mkpath(bundle);
    for (int id = 1; id <= count; ++id)
        writeCategory(bundle, id, QStringLiteral("Category %1").arg(id), QColor::fromHsv((id * 40) % 360, 200, 200));
    return bundle;
}

void resetState(const QString &bundle, const DeviceProfile &device)
{
    AppCommon::resetCatalogue(bundle);
    AppCommon::resetUserInfoPaths();
    QFile::remove(AppCommon::userInfoPath());
    AppCommon::setLanguageOverride(QStringLiteral("en"));
    Preferences::remove(QString::fromLatin1(AppCommon::kPlaySpeedKey));
    Preferences::remove(QString::fromLatin1(AppCommon::kWordFeedbackKey));
    RatingPrompt::instance().reset();
    SystemUi::reset();
    Screen::setDevice(device);
    ScreenMetrics::reset();
    ScreenFactory::setQuizOutlineMaker({});
    ScreenFactory::setSettingsMaker({});
}

DeviceProfile profile(const QString &name) { return *DeviceProfile::preset(name); }

DeviceProfile customProfile(qreal width, qreal height)
{
    return DeviceProfile{QStringLiteral("custom"), QSizeF(width, height), QMarginsF()};
}

void useScreenSize(const QSizeF &size)
{
    DeviceProfile device = DeviceProfile::defaultProfile();
    device.name = QStringLiteral("test");
    device.size = size;
    Screen::setDevice(device);
    ScreenMetrics::reset();
}

void flushDeletes()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

MainWindow openMainWindow()
{
    MainWindow opened;
    opened.window = std::make_unique<Window>(Screen::bounds());
    auto screen = std::make_unique<MainViewController>();
    opened.main = screen.get();
    auto navigation = std::make_unique<NavigationController>(std::move(screen));
    opened.nav = navigation.get();
    opened.window->setRootViewController(std::move(navigation));
    opened.window->makeKeyAndVisible();
    return opened;
}
}
