#include "ScreenMetrics.h"

#include "platform/ui/DeviceProfile.h"
#include "platform/ui/SystemUi.h"
#include "platform/ui/Window.h"

#include <QRegularExpression>

#include <optional>

namespace {
struct Metrics
{
    qreal topInset;
    qreal usableHeight;
    qreal screenWidth;
    double systemVersion;
};

// A current system for the version test: higher than any version that needs the workaround.
constexpr double kCurrentSystem = 99.0;

std::optional<Metrics> &slot()
{
    static std::optional<Metrics> metrics;
    return metrics;
}

const Metrics &metrics()
{
    std::optional<Metrics> &stored = slot();
    if (!stored) {
        const Window *key = Window::keyWindow();
        const QMarginsF insets = key ? key->safeAreaInsets() : Screen::device().safeAreaInsets;
        stored = Metrics{insets.top() > 0 ? insets.top() : 20.0, Screen::height() - insets.bottom(), Screen::width(),
                         ScreenMetrics::versionNumber(SystemUi::systemVersion(), kCurrentSystem)};
    }
    return *stored;
}
}

qreal ScreenMetrics::topInset() { return metrics().topInset; }
qreal ScreenMetrics::usableHeight() { return metrics().usableHeight; }
qreal ScreenMetrics::screenWidth() { return metrics().screenWidth; }
double ScreenMetrics::systemVersion() { return metrics().systemVersion; }
void ScreenMetrics::reset() { slot().reset(); }

double ScreenMetrics::versionNumber(const QString &text, double fallback)
{
    static const QRegularExpression leading(QStringLiteral("^\\s*(\\d+(?:\\.\\d+)?)"));
    const QRegularExpressionMatch match = leading.match(text);
    if (!match.hasMatch())
        return fallback;
    bool ok = false;
    const double value = match.captured(1).toDouble(&ok);
    return ok ? value : fallback;
}
