#pragma once

#include "AssessmentResult.h"
#include "RecognitionBackend.h"
#include "RecognitionCache.h"
#include "VoiceRecognition.h"
#include "ZQStatus.h"

#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <memory>
#include <optional>

// What is compared: the expected sentence, the phrase list the language model's corpus
// comes from (the sentence's words plus those of the first phrases, see
// ZQAppCommon::comparisonCorpusWords), the model voice (empty: none), the acoustic model,
// and where the generated model files go (modelDirectory/modelName.DMP, .dic).
struct ComparisonRequest
{
    QString expectedSentence;
    QStringList phraseContents;
    QString standardAudioPath;
    QString acousticModelPath;
    QString modelDirectory;
    QString modelName = QStringLiteral("test");
    // Also assess the recording word by word and sound by sound (and align the model voice
    // to the same words), filling ComparisonResult::assessment and ::standardAssessment.
    bool assess = false;

    // The comparison of a phrase on screen: the model files "test" in Documents + "/lm/",
    // the installed "EnglishAcousticModel" bundle. Main thread (it looks the bundle up).
    static ComparisonRequest forPhrase(const QString &expectedSentence, const QString &voicePath,
                                       const QStringList &phraseContents);

    bool operator==(const ComparisonRequest &) const = default;
};

// Where the time of one compare() went, in milliseconds.
struct ComparisonTimings
{
    double waitMs = 0.0;         // waiting for preparation still under way
    double generationMs = 0.0;   // generating the model, or checking that its files hold
    double standardMs = 0.0;     // the model voice (0 when prepared or cached)
    double audioMs = 0.0;        // reading the recording
    double recognitionMs = 0.0;  // recognising the recording
    double scoringMs = 0.0;
    double assessmentMs = 0.0;   // assessing the recording (0 when not asked)
    double standardAssessmentMs = 0.0;  // aligning the model voice (0 when prepared or cached)
};

// The typed result of one comparison.
struct ComparisonResult
{
    float score = 0.0f;       // 0 to 100
    int panelScore = 0;       // floor(score / 10), 0 to 10
    QVariantMap advice;       // "no_voice", "no_right_word", "wrong_sequence", "words_score"
    VoiceRecognition estimated;  // the recording
    VoiceRecognition standard;   // the model voice; empty without one
    std::optional<RecognitionModels> models;  // none when no model could be generated
    ZQStatus generationStatus;   // of this comparison's generation; code 0 when none was needed
    bool generatedModel = false;  // whether this comparison generated the model files
    ComparisonTimings timings;
    // Only when the request asked to assess: the recording's assessment, and the model
    // voice aligned to the same words (its word spans, to play a word in both voices).
    std::optional<AssessmentResult> assessment;
    std::optional<AssessmentResult> standardAssessment;
};

// The comparison engine: the one pipeline from an expected sentence and a recording to a
// score, its advice, the recognised words with their times in the audio and both voices'
// power spectra.
//
// compare(recording) generates the language model and dictionary (ZQLanguageModelTrainer),
// recognises the model voice and the recording once each (through RecognitionBackend),
// scores the recording's words (ZQPSRecognizer::getScore, with the acoustic model's noise
// fillers treated as silence) and returns a ComparisonResult.
//
// No work is done twice, and the result is always what the sequential pipeline gives:
// - the model is generated at most once per comparison, and not at all while the files
//   written for the same words still hold what was written (checked by digest, so files
//   overwritten by another comparison are regenerated);
// - the recording is recognised once (score, words and spectrum come from one run);
// - the model voice's recognition is kept in RecognitionCache by the content of the voice
//   file and of the models, so recording the same phrase again decodes only the recording.
// prepare() starts that work early, on SpeechWorker, while the learner is still speaking:
// the model, the model voice, and the decoder of the recording (a fresh one). compare()
// then waits for whatever preparation is still running and does only what is left.
// When the request asks to assess, the recording is also aligned to the expected words
// (PronunciationAssessor, on the samples already read), and so is the model voice: during
// prepare() when possible, kept per process by the content of the voice file and the
// sentence, so a repeated phrase aligns its voice once.
//
// Ownership: the engine owns its request and shares its backend and its working state with
// the jobs it posts. Destroying it abandons them: a job not yet started does nothing, a
// running one finishes its current step and keeps its results to itself.
//
// Thread: construct and call from one thread (the main thread in the app); prepare()
// returns at once, compare() blocks. Speech library calls hold SpeechLibraryLock.
// Failures (never thrown): a model that cannot be generated leaves no models
// (generationStatus says why) and nothing is recognised; an unreadable recording or voice
// has a non-zero audioStatus and no words. Either way the score is 0 with "no_voice".
class PronunciationComparison
{
public:
    // A null backend means PocketSphinxBackend; a null cache RecognitionCache::shared().
    explicit PronunciationComparison(ComparisonRequest request,
                                     std::shared_ptr<RecognitionBackend> backend = nullptr,
                                     RecognitionCache *cache = nullptr);
    ~PronunciationComparison();
    PronunciationComparison(const PronunciationComparison &) = delete;
    PronunciationComparison &operator=(const PronunciationComparison &) = delete;

    const ComparisonRequest &request() const { return m_request; }

    void prepare();
    ComparisonResult compare(const QString &recordingPath);

    // Model generations this engine has run.
    int generationCount() const;

    // floor(score / 10) on the panel's 0 to 10 scale.
    static int panelScore(float score);
    // Forgets the process-wide model voices and generated models (benchmarks, tests).
    static void clearCaches();

    struct State;

private:
    ComparisonRequest m_request;
    std::shared_ptr<State> m_state;
};
