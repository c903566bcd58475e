#pragma once

#include <QString>

// How a learner's answer is compared with the expected text, everywhere a quiz or exercise
// checks one: both texts lower-cased and equal under Unicode canonical equivalence (an
// accented letter typed composed or decomposed is the same letter). Nothing is trimmed or
// removed: white space and punctuation must match. Two empty texts are equal.
//
// Thread: any. Failure: none.
namespace AnswerText {
bool matches(const QString &given, const QString &expected);
}
