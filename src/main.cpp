// The application: a phone-sized window; the screens arrive with the app library.
#include "AppCommon.h"
#include "ResourceLocator.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QMainWindow>
#include <QMessageBox>

#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Phrasebook"));
    QCoreApplication::setApplicationName(QStringLiteral("phrasebook"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Phrasebook: an offline trainer for spoken phrases"));
    parser.addHelpOption();
    const QCommandLineOption resources(QStringLiteral("resources"),
                                       QStringLiteral("Folder holding resources.bundle and EnglishAcousticModel.bundle."),
                                       QStringLiteral("DIR"));
    parser.addOption(resources);
    parser.process(app);
    if (parser.isSet(resources))
        ResourceLocator::setCommandLineRoot(parser.value(resources));

    if (!AppCommon::userInfoExists())
        AppCommon::createUserInfo();
    AppCommon::setPlaySpeed(1.0);
    if (!AppCommon::preloadCatalogue()) {
        const QString message = AppCommon::catalogueError();
        std::fprintf(stderr, "phrasebook: %s\n", message.toLocal8Bit().constData());
        QMessageBox::critical(nullptr, QStringLiteral("Phrasebook"),
                              QStringLiteral("The installed content is damaged:\n%1").arg(message));
        return 1;
    }
    AppCommon::increaseUserInfoCount(QStringLiteral("kStartCount"));

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Phrasebook"));
    window.resize(375, 667);
    window.show();
    return app.exec();
}
