#pragma once

#include "speech/AssessmentResult.h"
#include "speech/VoiceRecognition.h"

#include <QString>

// A made-up assessment for the --tour pictures of the word strip, until the comparison
// assesses recordings itself: the expected words placed on the spans where the recogniser
// heard them (in order; a word not heard is omitted), their sounds read from the
// comparison's dictionary. With `marked`, the longest word said (after the first) is
// marked weak on its first vowel and the last word said is marked wrong, with a sound
// commonly said in place of its first one. It shows what the strip draws; it measures
// nothing.
//
// Thread: main thread. Failure: an unreadable dictionary leaves the words without sounds
// (and so without notes); a recognition without words omits every word.
namespace TourAssessment {
AssessmentResult make(const QString &sentence, const VoiceRecognition &heard, const QString &dictionaryPath,
                      bool marked);
}
