#pragma once

#include "ZQStatus.h"

#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <optional>

// Writes the small trigram language model and the pronunciation dictionary for the words
// the learner may be saying.
//
// A generation run named N in the folder B (lmBasePath) writes the corpus B/N.corpus, runs
// our language-modelling toolkit (src/speech/lmtk) over it to get the ARPA model B/N.arpa,
// converts that to B/N.DMP through SphinxBase (when outputDMP), and writes the dictionary
// B/N.dic with the lines of the acoustic model's "PronunciationLookupList.text" for the
// words. The intermediate files (B/N.corpus, B/N.corpus.alternative.corpus, B/N_pipe.txt,
// B/N.vocab, B/N.idngram, B/N.ccs) are deleted before the run returns.
//
// Operations keep their keyword names: generateLanguageModelFromArray(words, fileName,
// acousticModelPath) is generateLanguageModelFromArray:withFilesNamed:forAcousticModelAtPath:.
// The internal steps are public so they can be used (and tested) on their own.
//
// Thread: any; a run blocks its caller. The toolkit keeps no global state, but the
// SphinxBase conversion touches the library's process-wide log settings, so a generation
// holds SpeechLibraryLock and never overlaps another generation or a recognition.
// generateEnglishLanguageModelFromArray looks the bundle up: main thread.
//
// Failure results (ZQStatus, never thrown):
// - no content: code 6000, no domain, "Language model has no content.", nothing written;
// - corpus, lookup-list or dictionary file errors: the platform error (platform domain,
//   QFileDevice::FileError code, its description); files of earlier steps remain;
// - toolkit or conversion errors: the toolkit domain with its status code and message;
//   the run stops there, the intermediate files are still deleted;
// - words missing from the lookup list are only logged and left out of the dictionary.
// Messages go through ZQLog (level 8 progress, 2 errors); a few go to the platform log
// (qWarning) as noted.
class ZQLanguageModelTrainer
{
public:
    // lmBasePath starts as the caches folder (main thread: it reads the platform folders),
    // or as the given folder (any thread).
    ZQLanguageModelTrainer();
    explicit ZQLanguageModelTrainer(const QString &lmBasePath);

    // ---- generation ----------------------------------------------------------------------
    // With the acoustic model of the resource "EnglishAcousticModel" (".bundle").
    ZQStatus generateEnglishLanguageModelFromArray(const QStringList &words, const QString &fileName);
    // Code 0 with assembleUserInfoDictionaryForLanguageModelsForFilename(fileName) as userInfo,
    // or an error status.
    ZQStatus generateLanguageModelFromArray(const QStringList &words, const QString &fileName,
                                            const QString &acousticModelPath);
    // Does nothing and returns no status.
    std::optional<ZQStatus> generateLanguageModelFromTextFile(const QString &textFilePath,
                                                              const QString &fileName,
                                                              const QString &acousticModelPath);

    // ---- steps ---------------------------------------------------------------------------
    // Each entry split at white space, empty pieces dropped, joined with one space.
    QStringList compactWhitespaceOfArrayEntries(const QStringList &entries) const;
    // Code 0 when there is something to model, else the 6000 error.
    ZQStatus checkModelForContent(const QStringList &entries) const;
    // "<s> A </s>\n<s> B </s>\n" written atomically in UTF-8 to `corpusPath`.
    ZQStatus writeOutCorpusForArray(const QStringList &entries, const QString &corpusPath);
    // Runs the toolkit on B/fileName.corpus (with the DMP step of outputDMP), then deletes
    // the corpus.
    ZQStatus createLanguageModelFromFilename(const QString &fileName);
    // The four toolkit steps on the corpus file and the conversion. The DMP step follows the
    // outputDMP property; `withDMP` is kept for the callers' sake and not consulted.
    ZQStatus runCMUCLMTKOnCorpusFile(const QString &corpusPath, bool withDMP);
    ZQStatus convertARPAAtPath(const QString &arpaPath, const QString &dmpPath);
    // Dictionary words: the characters of sanitizeDictionaryCharacterSet removed (entries
    // holding white space split into words first), empty results dropped, duplicates
    // removed, sorted with PronunciationLookup::compareDictionaryWords.
    QStringList cleanDictionaryWordArray(const QStringList &entries);
    // Whether acousticModelPath/PronunciationLookupList.text is readable (logs when not).
    bool checkPhoneticDictionaryAtAcousticModelPath(const QString &acousticModelPath) const;
    // The lookup-list lines of `sortedWords` (see PronunciationLookup); missing words are
    // logged and skipped.
    QStringList performDictionaryLookup(const QStringList &sortedWords, const QString &lookupText,
                                        const QString &acousticModelPath) const;
    // "LMFile" N.DMP, "DictionaryFile" N.dic, "LMPath" B/N.DMP, "DictionaryPath" B/N.dic.
    QVariantMap assembleUserInfoDictionaryForLanguageModelsForFilename(const QString &fileName) const;

    // ---- properties ----------------------------------------------------------------------
    // A pattern matching one character to remove from dictionary words; by default every
    // character that is not a letter, mark or digit and not an apostrophe.
    const QRegularExpression &sanitizeDictionaryCharacterSet();
    void setSanitizeDictionaryCharacterSet(const QRegularExpression &characterSet);
    int verbosity() const { return m_verbosity; }
    void setVerbosity(int verbosity) { m_verbosity = verbosity; }
    // A null or empty value means none: the toolkit run then uses "-witten_bell".
    QString algorithmType() const { return m_algorithmType; }
    void setAlgorithmType(const QString &algorithmType) { m_algorithmType = algorithmType; }
    bool outputDMP() const { return m_outputDMP; }
    void setOutputDMP(bool outputDMP) { m_outputDMP = outputDMP; }
    QString lmBasePath() const { return m_lmBasePath; }
    void setLmBasePath(const QString &lmBasePath) { m_lmBasePath = lmBasePath; }

    static QString lookupListFileName() { return QStringLiteral("PronunciationLookupList.text"); }

private:
    // B/name, with exactly one separator between B and name.
    QString pathInBase(const QString &name) const;

    std::optional<QRegularExpression> m_sanitizeDictionaryCharacterSet;
    int m_verbosity = -1;
    QString m_algorithmType;
    bool m_outputDMP = true;
    QString m_lmBasePath;
};
