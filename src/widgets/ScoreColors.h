#pragma once

#include <QColor>

// The three colours in which scores are shown: good (sea green), fair (orange), poor (red).
// The comparison panel and the quizzes each decide which one a score takes.
//
// Thread: any. Failure: none.
namespace ScoreColors {
inline QColor good() { return QColor(46, 139, 87); }
inline QColor fair() { return QColor(199, 97, 20); }
inline QColor poor() { return QColor(176, 23, 31); }
}
