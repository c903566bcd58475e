#include "PhrasebookApplication.h"

#include "platform/ui/AlertView.h"
#include "content/AppCommon.h"
#include "AppDelegate.h"
#include "platform/media/AudioSession.h"
#include "CategoryController.h"
#include "CommandLine.h"
#include "platform/ui/DesktopWindow.h"
#include "platform/ui/DeviceProfile.h"
#include "platform/ui/Fonts.h"
#include "widgets/GradientBackground.h"
#include "Localization.h"
#include "platform/media/FileAudioInput.h"
#include "platform/ui/NavigationController.h"
#include "PhraseCardVC.h"
#include "platform/foundation/ResourceLocator.h"
#include "ScreenTour.h"
#include "platform/ui/View.h"
#include "platform/ui/Window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPointer>
#include <QScopeGuard>
#include <QTimer>

#include <cstdio>
#include <vector>

namespace {
QtMessageHandler &previousHandler()
{
    static QtMessageHandler handler = nullptr;
    return handler;
}

// Font fallback asks every family of a font's list whether it shapes a complex script
// (Devanagari, Thai, Arabic) and warns for each that does not, although a later family of
// the list does. Those warnings carry no information for the learner: drop them.
void filterMessages(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && message.trimmed().startsWith(QLatin1String("OpenType support missing for")))
        return;
    if (QtMessageHandler previous = previousHandler())
        previous(type, context, message);
}

bool isHeadless()
{
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("offscreen") || platform == QLatin1String("minimal")
        || platform == QLatin1String("minimalegl");
}

// Waits for the first paint of `target`, then runs `action` once the event loop is idle
// again (or after two seconds, on a platform that never paints).
class FirstPaint : public QObject
{
public:
    FirstPaint(QWidget *target, std::function<void()> action) : m_action(std::move(action))
    {
        target->installEventFilter(this);
        QTimer::singleShot(2000, this, [this]() { fire(); });
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, this, [this]() { fire(); });
        return false;
    }

private:
    void fire()
    {
        if (m_fired)
            return;
        m_fired = true;
        m_action();
    }

    std::function<void()> m_action;
    bool m_fired = false;
};

QWidget *mainScreenView(Window *window)
{
    auto *navigation = qobject_cast<NavigationController *>(window->rootViewController());
    if (navigation && navigation->topViewController())
        return navigation->topViewController()->view();
    return window;
}

int saveScreenshot(Window *window, const QString &path)
{
    QImage image(window->size(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(1.0);
    image.fill(Qt::black);
    window->render(&image);
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "phrasebook: cannot write the screenshot %s\n", path.toLocal8Bit().constData());
        return 1;
    }
    return 0;
}

void identifyApplication()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Phrasebook"));
    QCoreApplication::setApplicationName(QStringLiteral("phrasebook"));
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Phrasebook"));
    // Lets Wayland desktops match the window to phrasebook.desktop (its name and icon).
    QGuiApplication::setDesktopFileName(QStringLiteral("phrasebook"));
#ifdef PHRASEBOOK_VERSION
    QCoreApplication::setApplicationVersion(QStringLiteral(PHRASEBOOK_VERSION));
#endif
}

// The file-fed microphone is checked at start-up, so a file that cannot be decoded is a
// clear start-up error rather than a silent recording failure later.
bool useMicrophoneFile(const QString &path)
{
    std::vector<qint16> samples;
    QString error;
    if (!FileAudioInput::loadSamples(path, &samples, &error)) {
        std::fprintf(stderr, "phrasebook: --microphone: %s\nTry 'phrasebook --help'.\n", error.toLocal8Bit().constData());
        return false;
    }
    AudioSession::sharedInstance().setMicrophoneFile(path);
    return true;
}

// Applies the options; returns the exit status when the program ends here (wrong
// arguments, --help), -1 to go on.
int applyOptions(const CommandLine &options)
{
    if (!options.error.isEmpty()) {
        std::fprintf(stderr, "phrasebook: %s\nTry 'phrasebook --help'.\n", options.error.toLocal8Bit().constData());
        return 2;
    }
    if (options.help) {
        std::fputs(CommandLine::helpText().toLocal8Bit().constData(), stdout);
        return 0;
    }
    Screen::setDevice(options.device);
    if (!options.resourcesDirectory.isEmpty())
        ResourceLocator::setCommandLineRoot(options.resourcesDirectory);
    AppCommon::setExtraCatalogueFolders(options.extraCatalogues);
    if (!options.language.isEmpty())
        AppCommon::setLanguageOverride(options.language);
    if (!options.microphoneFile.isEmpty() && !useMicrophoneFile(options.microphoneFile))
        return 2;
    return -1;
}

void installPhraseCardMaker()
{
    CategoryController::setPhraseCardMaker([](const PhraseInfoPtr &phrase) -> std::unique_ptr<BaseViewController> {
        auto card = std::make_unique<PhraseCardVC>();
        card->setPhraseInfo(phrase);
        return card;
    });
}

void installLanguageAndLook()
{
    const QString language = AppCommon::currentLanguage();
    Localization::install(language);
    Fonts::setLanguage(language);
    Fonts::load();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/phrasebook.svg")));
}

void forwardApplicationState(QApplication &app, AppDelegate &delegate)
{
    QObject::connect(&app, &QGuiApplication::applicationStateChanged, &delegate, [&delegate](Qt::ApplicationState state) {
        if (state == Qt::ApplicationHidden || state == Qt::ApplicationSuspended || state == Qt::ApplicationInactive)
            delegate.applicationDidEnterBackground();
    });
}

// Damaged content: the message goes to stderr and, with a display and an interactive run,
// to an in-window alert whose OK ends the program. Returns the exit status, 1.
int reportDamagedContent(QApplication &app, AppDelegate &delegate, const CommandLine &options)
{
    const QString message = delegate.launchError();
    std::fprintf(stderr, "phrasebook: the installed content is damaged: %s\n", message.toLocal8Bit().constData());
    if (isHeadless() || !options.screenshotPath.isEmpty() || !options.tourDirectory.isEmpty() || !delegate.window())
        return 1;
    Window *window = delegate.window();
    window->show();
    auto *alert = AlertView::alert(QCoreApplication::translate("PhrasebookApplication", "Phrasebook cannot start"),
                                   QCoreApplication::translate("PhrasebookApplication",
                                                               "The installed content is damaged:")
                                       + QLatin1Char('\n') + message,
                                   QCoreApplication::translate("PhrasebookApplication", "OK"));
    QObject::connect(alert, &AlertView::clicked, &app, []() { QCoreApplication::exit(1); });
    QObject::connect(window, &QObject::destroyed, &app, []() { QCoreApplication::exit(1); });
    alert->show(window);
    app.exec();
    return 1;
}

// What runs once the main screen has been painted: the launch probe, the screen tour or
// the screenshot; nothing (nullptr) for an interactive run. `tour` holds the tour while
// it runs.
std::unique_ptr<FirstPaint> afterFirstPaint(Window *window, const CommandLine &options, const QElapsedTimer &sinceStart,
                                            std::unique_ptr<ScreenTour> &tour)
{
    QWidget *mainView = mainScreenView(window);
    if (qEnvironmentVariable("PHRASEBOOK_LAUNCH_PROBE") == QLatin1String("1")) {
        return std::make_unique<FirstPaint>(mainView, [&sinceStart]() {
            std::printf("first-paint %lld\n", static_cast<long long>(sinceStart.elapsed()));
            std::fflush(stdout);
            QCoreApplication::exit(0);
        });
    }
    if (!options.tourDirectory.isEmpty()) {
        const QString folder = options.tourDirectory;
        return std::make_unique<FirstPaint>(mainView, [window, folder, &tour]() {
            tour = std::make_unique<ScreenTour>(window, folder, [](int result) { QCoreApplication::exit(result); });
            tour->start();
        });
    }
    if (!options.screenshotPath.isEmpty()) {
        const QString path = options.screenshotPath;
        return std::make_unique<FirstPaint>(mainView, [window, path]() { QCoreApplication::exit(saveScreenshot(window, path)); });
    }
    return nullptr;
}
}

namespace PhrasebookApplication {
int run(int &argc, char **argv)
{
    QElapsedTimer sinceStart;
    sinceStart.start();
    previousHandler() = qInstallMessageHandler(filterMessages);
    QApplication app(argc, argv);
    identifyApplication();
    const CommandLine options = CommandLine::parse(QCoreApplication::arguments());
    if (const int status = applyOptions(options); status >= 0)
        return status;
    installPhraseCardMaker();
    installLanguageAndLook();

    AppDelegate delegate;
    forwardApplicationState(app, delegate);
    // The phone-sized window is shown inside the resizable desktop window, which scales it.
    std::unique_ptr<DesktopWindow> desktop;
    Window::setPresenter([&desktop](Window *window) {
        desktop = std::make_unique<DesktopWindow>(window);
        desktop->setLetterboxGradient(GradientBackground::barBlue(), GradientBackground::bandGreen());
        desktop->show();
    });
    const auto forgetPresenter = qScopeGuard([] { Window::setPresenter({}); });
    if (!delegate.applicationDidFinishLaunching())
        return reportDamagedContent(app, delegate, options);

    std::unique_ptr<ScreenTour> tour;
    const std::unique_ptr<FirstPaint> waiter = afterFirstPaint(delegate.window(), options, sinceStart, tour);
    return app.exec();
}
}
