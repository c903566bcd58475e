#pragma once

#include "speech/AssessmentResult.h"

#include <QJsonObject>

// The assessment as phrasebook-score prints it:
// {"accuracy", "words": [{"word", "startMs", "endMs", "accuracy", "omitted", "marked",
//   "mark", "phones": [{"phone", "ipa", "score", "heard"}]}]}
// "mark" is "none", "weak" or "wrong"; "heard" is null unless another sound was heard; an
// assessment that could not be made has accuracy 0 and no words.
//
// Thread: any (a pure function). Never fails.
namespace AssessmentJson {
QJsonObject toJson(const AssessmentResult &assessment);
}
