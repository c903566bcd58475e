#pragma once

#include <QString>
#include <QtGlobal>

#include <vector>

// The alignment-based assessment of one recording against its expected sentence: how well
// each sound and each word was said, where each word lies in the audio, and which words a
// learner should work on. It sits beside the comparison's 0-100 score and never changes it.
//
// Plain value records. Thread: any.

// One expected sound of a word.
struct PhoneAssessment
{
    QString phone;        // the acoustic model's phone name, e.g. "AE"
    QString ipa;          // the same sound in IPA, e.g. "æ"
    float score = 0.0f;   // 0 to 100: how clearly the expected sound was heard
    QString heard;        // the phone heard instead, when the evidence names one; else empty
    qint64 startMs = 0;   // where the sound lies in the audio (both 0 when its word was omitted)
    qint64 endMs = 0;
    float rawScore = 0.0f;  // the aligned acoustic score per frame the 0-100 score is mapped from
    float goodness = 0.0f;  // log posterior of the expected sound over its frames (-10 to 0)
};

// How strongly a word is marked for the learner. Unmarked is the default: a word is marked
// only when the evidence is strong (an omitted word, a clear substitution, a sound far
// below the speaker's own average).
enum class WordMark
{
    None,
    Weak,   // shown in orange: one sound is clearly weak
    Wrong,  // shown in red: omitted, or another word or sound was said
};

// One expected word, in sentence order.
struct WordAssessment
{
    QString word;         // as in the expected sentence's word list (lower case)
    qint64 startMs = 0;   // its span in the audio, in milliseconds from the start
    qint64 endMs = 0;     // (both 0 when omitted)
    float accuracy = 0.0f;  // 0 to 100
    bool omitted = false;
    WordMark mark = WordMark::None;
    int weakPhone = -1;   // index into phones of the sound to work on; -1 when none is named
    std::vector<PhoneAssessment> phones;
    float rawScore = 0.0f;  // the mean goodness of its phones, which accuracy is mapped from

    bool marked() const { return mark != WordMark::None; }
};

// The whole assessment. `valid` is false when nothing could be aligned (no acoustic model,
// unreadable audio, a sentence without a known word); accuracy is then 0 and words empty.
// A recording without voice is valid: accuracy 0 and every word omitted.
struct AssessmentResult
{
    bool valid = false;
    float accuracy = 0.0f;  // sentence accuracy, 0 to 100
    float rawScore = 0.0f;  // the mean goodness of the phones said, which accuracy is mapped from
    std::vector<WordAssessment> words;
};
