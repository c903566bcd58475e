#pragma once

#include "AudioDataInfo.h"
#include "AudioPowerSpectrumInfo.h"
#include "VoiceRecognition.h"
#include "ZQCommandArray.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <QVariantMap>

#include <memory>
#include <optional>
#include <vector>

struct ps_decoder_s;

// One PocketSphinx run over a whole recording, and the pronunciation scoring of its words.
//
// runRecognitionOnWavFileAtPath() creates a decoder from the argument list of
// ZQCommandArray, decodes the file to 16 kHz mono samples (ZQAudioUtil), hands all samples
// to the decoder as one full utterance, and keeps:
//   - hypothesis: the recognised text (null when the decoder has none);
//   - wordsInfo: one word-info record (QVariantMap) per segment of the best path, keys
//     "word" (QString, as in the dictionary, e.g. "HELLO(2)", "<s>", "</s>", "<sil>"),
//     "startFrame", "endFrame", "acousticScore", "lmScore", "probability" (int, the
//     decoder's log domain), "logProbability" (float, the linear posterior) and
//     "lmWeightFactor" (float);
//   - powerSpectrumInfo: 128 bins of log power per decoder frame;
//   - audioFrameOfDecoderFrame / frameTimes: where each decoder frame lies in the audio.
//     The decoder's voice activity detection drops silent frames, so decoder frame numbers
//     (also those of "startFrame"/"endFrame") are not audio time; these lists are.
// The decoder lives only during the run and is released at its end. A recogniser serves one
// run; results of a run that ended early keep their previous values (empty when fresh).
//
// The scoring functions (getScore and its helpers) are static and keep no state.
//
// Thread: any. The decoder library keeps process-wide state (its log destination), so a
// run holds SpeechLibraryLock for its whole length and runs never overlap.
// Failures: bad paths, missing models or an undecodable recording end the run without
// results (logged through ZQLog); the scoring then gives 0 with "no_voice". Nothing throws.
class ZQPSRecognizer
{
public:
    struct DecoderDeleter
    {
        void operator()(ps_decoder_s *decoder) const;
    };
    using Decoder = std::unique_ptr<ps_decoder_s, DecoderDeleter>;

    // The prepared arguments of one decoder: the strings, the same strings as C strings
    // (valid as long as this object lives) and the decoder library's option table.
    struct CommandSetup
    {
        QStringList commandArray;
        std::vector<QByteArray> argumentBytes;
        std::vector<char *> argv;
        const void *cont_args_def = nullptr;  // the library's arg_t table (ps_args())
    };

    ZQPSRecognizer();
    ~ZQPSRecognizer();
    ZQPSRecognizer(const ZQPSRecognizer &) = delete;
    ZQPSRecognizer &operator=(const ZQPSRecognizer &) = delete;

    void runRecognitionOnWavFileAtPath(const QString &path, const QString &languageModelPath,
                                       const QString &dictionaryPath,
                                       const QString &acousticModelPath, bool isJSGF);
    // The same run over 16 kHz mono samples already in memory, with a decoder of
    // initializeDecoder() that has not decoded anything yet; the decoder is released at the
    // end. A null decoder leaves every result as it was.
    void runRecognitionOnSamples(std::vector<qint16> samples, Decoder decoder);
    // The same run with a decoder the caller keeps (configured and ready for an utterance,
    // e.g. with a grammar search); it is left as the run ends, ready for the next one.
    void runRecognitionOnSamples(std::vector<qint16> samples, ps_decoder_s *decoder);

    // Decodes a file of raw 16-bit samples with only "-hmm", "-lm" and "-dict" set, prints
    // "Recognized: <text>" and fills wordsInfo. Returns 0 on success, 1 otherwise.
    int runRecognitionOnRawFileAtPath(const QString &path, const QString &languageModelPath,
                                      const QString &dictionaryPath,
                                      const QString &acousticModelPath);

    Decoder initializeDecoder(const QString &languageModelPath, const QString &dictionaryPath,
                              const QString &acousticModelPath, bool isJSGF) const;

    // No value when the argument list has fewer than 3 entries.
    static std::optional<CommandSetup> setUpCommandArray(const ZQCommandArray &commandArray,
                                                         const QString &languageModelPath,
                                                         const QString &dictionaryPath,
                                                         const QString &acousticModelPath,
                                                         bool isJSGF);

    // Fill powerSpectrumInfo / wordsInfo from a decoder that has finished an utterance over
    // audioData(). The frame-to-audio mapping is always made; the spectrum only while
    // wantsPowerSpectrum() (a caller that needs word times only, such as an alignment,
    // turns it off and skips the FFT of every frame).
    void generateLogPowerSpectrumData(ps_decoder_s *decoder);
    bool wantsPowerSpectrum() const { return m_wantsPowerSpectrum; }
    void setWantsPowerSpectrum(bool wanted) { m_wantsPowerSpectrum = wanted; }
    void getEveryWordProb(ps_decoder_s *decoder);

    const std::vector<qint16> &audioData() const { return m_audioData; }
    const QString &hypothesis() const { return m_hypothesis; }
    const QVariantList &wordsInfo() const { return m_wordsInfo; }
    const AudioPowerSpectrumInfo &powerSpectrumInfo() const { return m_powerSpectrumInfo; }
    const AudioDataInfo &audioDataInfo() const { return m_audioDataInfo; }
    void setAudioData(std::vector<qint16> samples) { m_audioData = std::move(samples); }
    void setHypothesis(const QString &text) { m_hypothesis = text; }
    void setWordsInfo(const QVariantList &records) { m_wordsInfo = records; }
    void setPowerSpectrumInfo(const AudioPowerSpectrumInfo &info) { m_powerSpectrumInfo = info; }
    void setAudioDataInfo(const AudioDataInfo &info) { m_audioDataInfo = info; }

    // Audio frame (start sample / frame shift) of each decoder frame of the last run, and
    // the start time of each decoder frame in seconds.
    const QList<qint64> &audioFrameOfDecoderFrame() const { return m_audioFrameOfDecoderFrame; }
    const QList<double> &frameTimes() const { return m_frameTimes; }
    // Start time in seconds of a decoder frame; a frame past the last one continues at the
    // frame rate after it. -1 without a mapping.
    double timeOfDecoderFrame(qint64 frame) const;
    // Start and end of each word-info record of the last run in the audio (same order);
    // empty without a frame mapping.
    QList<WordTime> wordTimes() const;

    // The decoder library's own log (off by default; on, it goes to stderr).
    static void setDecoderLogging(bool enabled);
    static bool decoderLogging();
    // Points the decoder library's log where decoderLogging() says; call under
    // SpeechLibraryLock before using a decoder made elsewhere.
    static void applyDecoderLogging();

    // Scoring. Fills `advices` with "no_voice", "no_right_word", "wrong_sequence" and
    // "words_score" as they apply and returns a score from 0 to 100. Records whose word is
    // one of `fillerWords` are not heard words: the sentence markers, silence and the noise
    // fillers of the acoustic model ("[NOISE]", a cough; "[SPEECH]", a murmur) neither
    // count as recognised nor as extra words. The three-argument form uses the fillers of
    // the installed acoustic model (defaultFillerWords(); main thread, as it looks the
    // bundle up).
    static float getScore(const QVariantList &wordsInfo, const QString &standardSentence,
                          QVariantMap &advices);
    static float getScore(const QVariantList &wordsInfo, const QString &standardSentence,
                          QVariantMap &advices, const QSet<QString> &fillerWords);
    // "<s>", "</s>", "<sil>" and every word of the acoustic model's noise dictionary
    // (acousticModelPath/noisedict, first column); the three markers alone when that file
    // cannot be read. Read once per path.
    static QSet<QString> fillerWords(const QString &acousticModelPath);
    // fillerWords() of the "EnglishAcousticModel" bundle of the resources.
    static QSet<QString> defaultFillerWords();
    static float getWordScore(const QVariantMap &wordInfo);
    // One single-entry map {WORD: count} per distinct upper-cased word, in order of first
    // occurrence.
    static QVariantList getWordsCount(const QString &text);
    // The runs of a-z and apostrophes (any case) directly followed by white space or one of
    // ? ! . , (the text gets one trailing space first).
    static QStringList getAllWordFromText(const QString &text, bool uppercased);

private:
    std::vector<qint16> m_audioData;
    QString m_hypothesis;
    QVariantList m_wordsInfo;
    AudioPowerSpectrumInfo m_powerSpectrumInfo;
    AudioDataInfo m_audioDataInfo;
    QList<qint64> m_audioFrameOfDecoderFrame;
    QList<double> m_frameTimes;
    double m_frameShiftSeconds = 0.0;
    qint64 m_searchedFrames = -1;  // frames the decoder searched in the last utterance
    bool m_wantsPowerSpectrum = true;
};
