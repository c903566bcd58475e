#pragma once

#include "app/ScreenTour.h"

#include <QList>

// The quiz steps of the --tour walk, run after the shell's own: the chooser of the whole
// catalogue, a matching quiz with an option chosen, a listen-and-select quiz with an option
// chosen, a listen-and-write quiz with some text typed, and that quiz finished with right,
// wrong and blank answers in its result table.
//
// Thread: main thread. Failure: a step whose screen is not on top reports it (the tour then
// ends with status 1).
namespace QuizTour {
QList<ScreenTour::Step> steps();
}
