#pragma once

#include <QString>

// The sounds of the acoustic model's phone set (the 39 phones of American English in the
// CMU dictionary's notation, "AE", "TH", ...) written in the International Phonetic
// Alphabet, as a learner reads them: "AE" is "æ", "TH" is "θ", "CH" is "tʃ".
//
// Thread: any (a constant table). Failure: ipa() of anything that is not a phone of the set
// (silence, a filler, an empty name) is an empty string.
namespace PhoneSymbols {
// Case is ignored, and so is a trailing stress digit ("AE1").
QString ipa(const QString &phone);
}
