#pragma once

#include "platform/ui/DeviceProfile.h"

#include <QColor>
#include <QString>
#include <QStringList>

#include <memory>

class MainViewController;
class NavigationController;
class Window;

// Small installed catalogues and a clean process state for the shell tests.
namespace AppFixture {
// Writes <root>/resources.bundle with `count` categories (ids 1..count), each with two
// phrases and a cover of its own colour; returns the bundle path.
QString writeBundle(const QString &root, int count);
// One category folder: pkgInfo, encrypted phrasesInfo, cover.jpg.
void writeCategory(const QString &bundle, int id, const QString &name, const QColor &cover);
// Forgets the catalogue, the learner record, the rating prompt state, the chrome calls,
// the screen metrics and the registered screens; selects `device`.
void resetState(const QString &bundle, const DeviceProfile &device = DeviceProfile::defaultProfile());
DeviceProfile profile(const QString &name);
DeviceProfile customProfile(qreal width, qreal height);
// Selects the default device with a screen of `size` points and forgets the screen metrics.
void useScreenSize(const QSizeF &size);
// Runs pending deferred deletions.
void flushDeletes();

// The application's window as the shell builds it: the main screen at the root of a
// navigation controller, shown. The window owns both; the pointers stay valid while it lives.
struct MainWindow
{
    std::unique_ptr<Window> window;
    MainViewController *main = nullptr;
    NavigationController *nav = nullptr;
};
MainWindow openMainWindow();
}
