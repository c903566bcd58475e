#include "PronunciationComparison.h"

#include "PronunciationAssessor.h"
#include "SpeechWorker.h"
#include "ZQAppCommon.h"
#include "ZQAudioUtil.h"
#include "ZQLanguageModelTrainer.h"
#include "ZQPSRecognizer.h"
#include "content/ZQFileUtil.h"
#include "platform/foundation/ResourceLocator.h"
#include "platform/foundation/ZQLog.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <atomic>
#include <cmath>
#include <mutex>

// The working state of one engine, shared with the jobs it posts. Everything below `lock`
// is read and written only while holding it.
struct PronunciationComparison::State
{
    ComparisonRequest request;
    QStringList corpusWords;
    QSet<QString> fillerWords;
    std::shared_ptr<RecognitionBackend> backend;
    RecognitionCache *cache = nullptr;
    std::atomic<bool> abandoned{false};
    std::atomic<int> preparationsPosted{0};

    std::mutex lock;
    int preparationsAnswered = 0;  // preparations a comparison has made unnecessary
    std::optional<RecognitionModels> models;
    ZQStatus generationStatus;
    bool generationAttempted = false;  // in the current comparison
    bool generatedModel = false;       // in the current comparison
    int generationCount = 0;
    QByteArray standardKey;
    std::optional<VoiceRecognition> standard;
    std::unique_ptr<PronunciationAssessor> assessor;  // made on the first assessment
    QByteArray standardAssessmentKey;
    std::optional<AssessmentResult> standardAssessment;
};

namespace {
constexpr int kErrorLevel = 2;

double elapsedMs(QElapsedTimer &timer)
{
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    timer.restart();
    return ms;
}

// SHA-256 of the files' contents, each prefixed by its length; empty when one is missing.
QByteArray digestOfFiles(const QStringList &paths)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (const QString &path : paths) {
        QFile file(path);
        if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
            return {};
        const QByteArray content = file.readAll();
        const qint64 length = content.size();
        hash.addData(QByteArrayView(reinterpret_cast<const char *>(&length), sizeof length));
        hash.addData(content);
    }
    return hash.result();
}

bool filesHold(const RecognitionModels &models)
{
    return !models.contentKey.isEmpty()
        && digestOfFiles({models.languageModelPath, models.dictionaryPath}) == models.contentKey;
}

// The models generated in this process, by the files they were written to: which words
// and acoustic model they were made from, and the digest of what was written.
class GeneratedModels
{
public:
    static GeneratedModels &shared()
    {
        static GeneratedModels models;
        return models;
    }
    std::optional<RecognitionModels> find(const QString &files, const QByteArray &inputs)
    {
        std::lock_guard guard(m_lock);
        const auto it = m_entries.constFind(files);
        if (it == m_entries.cend() || it->first != inputs)
            return std::nullopt;
        return it->second;
    }
    void insert(const QString &files, const QByteArray &inputs, const RecognitionModels &models)
    {
        std::lock_guard guard(m_lock);
        m_entries.insert(files, {inputs, models});
    }
    void clear()
    {
        std::lock_guard guard(m_lock);
        m_entries.clear();
    }

private:
    std::mutex m_lock;
    QHash<QString, std::pair<QByteArray, RecognitionModels>> m_entries;
};

QString modelFiles(const ComparisonRequest &request)
{
    return QDir::cleanPath(request.modelDirectory + QLatin1Char('/') + request.modelName);
}

// What a generation depends on: the words, the acoustic model and its lookup list.
QByteArray generationInputs(const PronunciationComparison::State &state)
{
    const QFileInfo lookup(state.request.acousticModelPath + QLatin1Char('/')
                           + ZQLanguageModelTrainer::lookupListFileName());
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(state.corpusWords.join(QLatin1Char('\n')).toUtf8());
    hash.addData(QByteArrayLiteral("\n--\n"));
    hash.addData(state.request.acousticModelPath.toUtf8());
    hash.addData(QByteArray::number(lookup.size()) + ' '
                 + QByteArray::number(lookup.lastModified().toMSecsSinceEpoch()));
    return hash.result();
}

void generateModel(PronunciationComparison::State &state)
{
    const ComparisonRequest &request = state.request;
    state.generationAttempted = true;
    state.generatedModel = true;
    ++state.generationCount;
    if (!QDir().mkpath(request.modelDirectory))
        ZQLog::log(QStringLiteral("can not create the folder %1").arg(request.modelDirectory), kErrorLevel);
    ZQLanguageModelTrainer trainer(request.modelDirectory);
    state.generationStatus =
        trainer.generateLanguageModelFromArray(state.corpusWords, request.modelName, request.acousticModelPath);
    const QVariant lm = state.generationStatus.userInfo.value(QStringLiteral("LMPath"));
    const QVariant dictionary = state.generationStatus.userInfo.value(QStringLiteral("DictionaryPath"));
    // Without both paths the previous models stay (none on a new engine).
    if (!lm.isValid() || !dictionary.isValid())
        return;
    RecognitionModels models{lm.toString(), dictionary.toString(), request.acousticModelPath, {}};
    models.contentKey = digestOfFiles({models.languageModelPath, models.dictionaryPath});
    state.models = models;
    if (!models.contentKey.isEmpty())
        GeneratedModels::shared().insert(modelFiles(request), generationInputs(state), models);
}

// The model files: kept while they hold what was written for these words, else generated
// (once per comparison; after a failed attempt the comparison goes on without them).
void ensureModel(PronunciationComparison::State &state)
{
    if (state.models && filesHold(*state.models))
        return;
    const std::optional<RecognitionModels> known =
        GeneratedModels::shared().find(modelFiles(state.request), generationInputs(state));
    if (known && filesHold(*known)) {
        state.models = known;
        return;
    }
    if (state.generationAttempted)
        return;
    generateModel(state);
}

// Reads and recognises one audio file (no recognition without models).
VoiceRecognition recogniseFile(PronunciationComparison::State &state, const QString &path,
                               double *audioMs = nullptr, double *recognitionMs = nullptr,
                               std::vector<qint16> *keptSamples = nullptr)
{
    QElapsedTimer timer;
    timer.start();
    VoiceRecognition recognition;
    AudioDataInfo audio;
    recognition.audioStatus = ZQAudioUtil::decodeAudioDataFromFile(path, audio);
    std::vector<qint16> samples = ZQAudioUtil::getAudioDataShortForByte(audio);
    recognition.durationMs = qint64(samples.size()) * 1000 / ZQAudioUtil::kTargetSampleRate;
    if (keptSamples)
        *keptSamples = samples;
    if (audioMs)
        *audioMs = elapsedMs(timer);
    if (recognition.audioStatus != ZQAudioUtil::StatusOk || !state.models)
        return recognition;
    const qint32 status = recognition.audioStatus;
    const qint64 duration = recognition.durationMs;
    recognition = state.backend->recognise(std::move(samples), *state.models);
    recognition.audioStatus = status;
    recognition.durationMs = duration;
    if (recognitionMs)
        *recognitionMs = elapsedMs(timer);
    return recognition;
}

// The model voice's recognition: this engine's own, else the cache's, else a new one.
void ensureStandard(PronunciationComparison::State &state)
{
    const QString &path = state.request.standardAudioPath;
    if (path.isEmpty() || !state.models) {
        state.standard = VoiceRecognition();
        state.standardKey.clear();
        return;
    }
    const QByteArray fileDigest = digestOfFiles({path});
    const QByteArray key = RecognitionCache::key(state.backend->identity(), fileDigest, *state.models);
    if (state.standard && state.standardKey == key)
        return;
    std::optional<VoiceRecognition> cached = fileDigest.isEmpty() ? std::nullopt : state.cache->find(key);
    state.standard = cached ? *cached : recogniseFile(state, path);
    state.standardKey = key;
    if (!cached && !fileDigest.isEmpty() && state.standard->audioStatus == ZQAudioUtil::StatusOk)
        state.cache->insert(key, *state.standard);
}

// The model voice's alignments, by the voice file's content, the sentence and the acoustic
// model: a repeated phrase aligns its voice once per process.
class StandardAssessments
{
public:
    static StandardAssessments &shared()
    {
        static StandardAssessments assessments;
        return assessments;
    }
    std::optional<AssessmentResult> find(const QByteArray &key)
    {
        std::lock_guard guard(m_lock);
        const auto it = m_entries.constFind(key);
        return it == m_entries.cend() ? std::nullopt : std::optional<AssessmentResult>(*it);
    }
    void insert(const QByteArray &key, const AssessmentResult &assessment)
    {
        std::lock_guard guard(m_lock);
        if (m_entries.size() >= kCapacity)
            m_entries.clear();  // phrases are few; starting over keeps the memory bounded
        m_entries.insert(key, assessment);
    }
    void clear()
    {
        std::lock_guard guard(m_lock);
        m_entries.clear();
    }

private:
    static constexpr qsizetype kCapacity = 256;
    std::mutex m_lock;
    QHash<QByteArray, AssessmentResult> m_entries;
};

PronunciationAssessor &assessor(PronunciationComparison::State &state)
{
    if (!state.assessor)
        state.assessor = std::make_unique<PronunciationAssessor>(state.request.acousticModelPath);
    return *state.assessor;
}

// The model voice aligned to the expected words: this engine's own, else the cache's, else
// a new alignment. Without a model voice there is none.
void ensureStandardAssessment(PronunciationComparison::State &state)
{
    const QString &path = state.request.standardAudioPath;
    if (!state.request.assess || path.isEmpty()) {
        state.standardAssessment.reset();
        return;
    }
    const QByteArray fileDigest = digestOfFiles({path});
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(fileDigest);
    hash.addData(state.request.expectedSentence.toUtf8() + '\n' + state.request.acousticModelPath.toUtf8());
    const QByteArray key = hash.result();
    if (state.standardAssessment && state.standardAssessmentKey == key)
        return;
    std::optional<AssessmentResult> cached = fileDigest.isEmpty() ? std::nullopt : StandardAssessments::shared().find(key);
    state.standardAssessment = cached ? *cached : assessor(state).assessFile(path, state.request.expectedSentence);
    state.standardAssessmentKey = key;
    if (!cached && !fileDigest.isEmpty() && state.standardAssessment->valid)
        StandardAssessments::shared().insert(key, *state.standardAssessment);
}

void runPreparation(const std::shared_ptr<PronunciationComparison::State> &state, int ticket)
{
    std::lock_guard guard(state->lock);
    if (state->abandoned || ticket <= state->preparationsAnswered)
        return;
    ensureModel(*state);
    if (state->abandoned)
        return;
    ensureStandard(*state);
    if (state->abandoned)
        return;
    ensureStandardAssessment(*state);
    if (state->abandoned || !state->models)
        return;
    state->backend->prepare(*state->models);
}
}

ComparisonRequest ComparisonRequest::forPhrase(const QString &expectedSentence, const QString &voicePath,
                                               const QStringList &phraseContents)
{
    ComparisonRequest request;
    request.expectedSentence = expectedSentence;
    request.phraseContents = phraseContents;
    request.standardAudioPath = voicePath;
    request.acousticModelPath = ResourceLocator::bundlePath(QStringLiteral("EnglishAcousticModel"));
    request.modelDirectory = ZQFileUtil::getDocumentsDirectory() + QStringLiteral("lm/");
    return request;
}

PronunciationComparison::PronunciationComparison(ComparisonRequest request,
                                                 std::shared_ptr<RecognitionBackend> backend,
                                                 RecognitionCache *cache)
    : m_request(std::move(request)), m_state(std::make_shared<State>())
{
    m_state->request = m_request;
    m_state->corpusWords = ZQAppCommon::comparisonCorpusWords(m_request.expectedSentence, m_request.phraseContents);
    m_state->fillerWords = ZQPSRecognizer::fillerWords(m_request.acousticModelPath);
    m_state->backend = backend ? std::move(backend) : std::make_shared<PocketSphinxBackend>();
    m_state->cache = cache ? cache : &RecognitionCache::shared();
}

PronunciationComparison::~PronunciationComparison()
{
    m_state->abandoned = true;
}

void PronunciationComparison::prepare()
{
    const int ticket = ++m_state->preparationsPosted;
    SpeechWorker::instance().post([state = m_state, ticket] { runPreparation(state, ticket); });
}

ComparisonResult PronunciationComparison::compare(const QString &recordingPath)
{
    QElapsedTimer timer;
    timer.start();
    std::lock_guard guard(m_state->lock);
    State &state = *m_state;
    state.preparationsAnswered = state.preparationsPosted;
    ComparisonResult result;
    result.timings.waitMs = elapsedMs(timer);

    ensureModel(state);
    result.timings.generationMs = elapsedMs(timer);
    ensureStandard(state);
    result.timings.standardMs = elapsedMs(timer);
    std::vector<qint16> samples;
    result.estimated = recogniseFile(state, recordingPath, &result.timings.audioMs, &result.timings.recognitionMs,
                                     m_request.assess ? &samples : nullptr);
    timer.restart();
    result.score = ZQPSRecognizer::getScore(result.estimated.wordsInfo, m_request.expectedSentence,
                                            result.advice, state.fillerWords);
    result.panelScore = panelScore(result.score);
    result.timings.scoringMs = elapsedMs(timer);
    if (m_request.assess) {
        ensureStandardAssessment(state);
        result.standardAssessment = state.standardAssessment;
        result.timings.standardAssessmentMs = elapsedMs(timer);
        // An unreadable recording is not assessed (the result says invalid).
        result.assessment = result.estimated.audioStatus == ZQAudioUtil::StatusOk
            ? assessor(state).assess(samples, m_request.expectedSentence)
            : AssessmentResult();
        result.timings.assessmentMs = elapsedMs(timer);
    }

    result.standard = state.standard.value_or(VoiceRecognition());
    result.models = state.models;
    result.generatedModel = state.generatedModel;
    if (state.generatedModel)
        result.generationStatus = state.generationStatus;
    // The next comparison on this engine may generate again, should the files go.
    state.generationAttempted = false;
    state.generatedModel = false;
    return result;
}

int PronunciationComparison::generationCount() const
{
    std::lock_guard guard(m_state->lock);
    return m_state->generationCount;
}

int PronunciationComparison::panelScore(float score)
{
    if (!(score > 0.0f))
        return 0;
    return std::min(10, int(std::floor(score / 10.0f)));
}

void PronunciationComparison::clearCaches()
{
    RecognitionCache::shared().clear();
    GeneratedModels::shared().clear();
    StandardAssessments::shared().clear();
}
