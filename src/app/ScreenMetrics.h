#pragma once

#include <QtGlobal>

// The screen metrics every layout uses, computed once per process on first use:
// - top inset: the key window's top safe-area inset when greater than 0, else 20 points;
// - usable height: the screen height minus the key window's bottom safe-area inset;
// - screen width: the width of the main screen;
// - system version: the operating system's version read as a number ("9.3.5" reads 9.3).
//   A system that reports no number (rolling releases report "n/a") counts as current:
//   the branch for versions below 9.0 is a workaround for old systems only.
// Without a key window yet, the device profile's insets stand in for the window's.
//
// Thread: main thread. Failure: none.
class ScreenMetrics
{
public:
    static qreal topInset();
    static qreal usableHeight();
    static qreal screenWidth();
    static double systemVersion();
    // Tests: the metrics are computed afresh on the next use.
    static void reset();
    // "9.3.5" -> 9.3, "12" -> 12; a text without a leading number gives `fallback`.
    static double versionNumber(const QString &text, double fallback);
};
