#pragma once

#include "app/ScreenTour.h"

#include <QList>

// The --tour steps of the settings screens (settings-ar only with the Arabic interface).
// The first goes back to the main screen (at once, closing any alert) and opens the settings
// from its button, so the steps may follow any others.
//
// Thread: main thread. Failure: a step whose screen or pop-up is not where it expects
// reports which (the tour then ends with status 1).
namespace SettingsTour {
QList<ScreenTour::Step> steps();
}
