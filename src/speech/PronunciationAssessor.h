#pragma once

#include "AssessmentResult.h"
#include "PhonePosteriors.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

struct ps_decoder_s;
class QTemporaryDir;

// When a word is marked for the learner (see PronunciationAssessor::markWords). The defaults
// are the app's rule; the benchmark tries others.
struct MarkingRule
{
    // A weak phone lies this many standard deviations below the recording's mean phone
    // score, and scores under weakPhoneLimit. (Chosen on speechocean762 for precision: the
    // share of marked words the raters scored 6 or less, bench_assessment --fit.)
    double weakDeviations = 3.0;
    float weakPhoneLimit = 21.0f;
    // A heard confusion marks its word wrong when its phone scores under this limit.
    float substitutionPhoneLimit = 21.0f;
    // Fewer aligned phones than this give no average to compare with: no weak marks.
    int minimumPhones = 6;
};

// Assesses a recording against its expected sentence by forced alignment.
//
// The expected words' phones (every pronunciation the acoustic model bundle's lookup list
// gives) become a finite-state grammar whose words are single phones: a chain of the
// expected phones, optional silence at every word boundary and at both ends, and beside each
// word a costly skip arc, so a word that was not said can be left out. Decoding the recording
// with that grammar aligns each expected phone to its frames. The phone's aligned acoustic
// score per frame is its raw score, mapped to its 0-100 score; the word and sentence
// accuracies start from each phone's goodness instead (its mean log posterior, see
// PhonePosteriors), which a second decoder measures by aligning the same grammar while it
// scores every senone and logs the scores. Small fitted maps (see the constants in the
// source, fitted by bench/assessment --fit) give the 0-100 figures. A further pass offers,
// at every vowel and at the commonly confused consonants, the likely confusions next to the
// expected phone: where a confusion wins clearly, that is the sound heard instead.
//
// Word times are in audio time (the decoder's voice activity detection drops silent frames;
// ZQPSRecognizer maps decoder frames back to the audio). A recording without voice gives a
// valid result with accuracy 0 and every word omitted.
//
// One assessor keeps its two decoders (the acoustic model is loaded by each once, on the
// first assessment) and may assess any number of recordings and sentences in turn. The
// senone logs go to a temporary folder of its own, removed with it.
//
// Thread: one thread at a time; every decoder call holds SpeechLibraryLock.
// Failures (never thrown): a missing acoustic model, lookup list or binary model definition
// (the model's "mdef"), a failed senone log, or a sentence without a
// word the lookup list knows, give an invalid result (valid false, no words). Words the
// list does not know are reported unscored (accuracy 0, no phones, not omitted) and are left
// out of the sentence accuracy.
class PronunciationAssessor
{
public:
    explicit PronunciationAssessor(QString acousticModelPath);
    ~PronunciationAssessor();
    PronunciationAssessor(const PronunciationAssessor &) = delete;
    PronunciationAssessor &operator=(const PronunciationAssessor &) = delete;

    // Assesses 16 kHz mono samples against the sentence.
    AssessmentResult assess(const std::vector<qint16> &samples, const QString &expectedSentence);
    // Reads the file first (any format ZQAudioUtil decodes); an unreadable file gives an
    // invalid result.
    AssessmentResult assessFile(const QString &audioPath, const QString &expectedSentence);

    // The IPA of an acoustic-model phone ("AE" -> "æ"); the phone itself when unknown.
    static QString ipa(const QString &phone);

    // The pronunciations of one word (upper case): each a list of phones; empty when the
    // lookup list does not know the word.
    std::vector<QStringList> pronunciations(const QString &word);

    // The share of a word's phones heard as another sound (0 without phones).
    static double heardShare(const WordAssessment &word);

    // Marks the words the evidence says to work on, and names their weak sound: an omitted
    // word is wrong; a word in which a confusion was heard at a poorly scored phone is wrong;
    // a word whose weakest phone lies far below the recording's own phone average is weak.
    // Everything else stays unmarked.
    static void markWords(AssessmentResult &result, const MarkingRule &rule = MarkingRule());

    struct Decoding;
    struct Plan;

private:
    // One decoder with the phone labels already in its dictionary and its grammar searches.
    struct Aligner
    {
        std::shared_ptr<ps_decoder_s> decoder;
        QHash<QString, bool> labels;
        int searchCount = 0;
    };

    std::shared_ptr<ps_decoder_s> createDecoder(const QString &senoneLog) const;
    bool ensureDecoder();
    bool ensureLookupList();
    bool readPosteriors();
    std::optional<Decoding> align(Aligner &aligner, const std::vector<qint16> &samples, const Plan &plan, bool confusions);
    bool measureGoodness(const std::vector<qint16> &samples, const Plan &plan, Decoding &decoding);

    QString m_acousticModelPath;
    Aligner m_aligner;           // the alignment and the confusion pass
    Aligner m_posteriorAligner;  // the same alignment, logging every senone's score
    bool m_decoderFailed = false;
    std::optional<QString> m_lookupText;
    std::unique_ptr<QTemporaryDir> m_senoneLogs;  // where the decoder logs each utterance's senone scores
    PhonePosteriors m_posteriors;
};
