#include "PronunciationAssessor.h"

#include "PhoneSymbols.h"
#include "PronunciationLookup.h"
#include "SpeechLibraryLock.h"
#include "ZQAudioUtil.h"
#include "ZQLanguageModelTrainer.h"
#include "ZQPSRecognizer.h"
#include "platform/foundation/ZQLog.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QSet>

#include <pocketsphinx.h>
#include <sphinxbase/fsg_model.h>
#include <sphinxbase/glist.h>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {
constexpr int kErrorLevel = 2;

// A phone's raw score is its aligned acoustic score per frame (the decoder's log units,
// -compallsen no: 0 is the best active senone in each frame, lower is worse). On
// speechocean762 the median phone lies at -21, the 5th percentile at -70.
// Phone score: 100 / (1 + exp(-(raw - kPhoneMid) / kPhoneScale)): 50 at the 7th percentile.
constexpr double kPhoneMid = -60.0;
constexpr double kPhoneScale = 15.0;
// Senone log scores to natural-log units for the phone posteriors (0.01 to 0.04 serve
// about equally on speechocean762), and the floor of a phone's goodness, so that one
// phone's extreme value cannot swamp a word's mean.
constexpr double kPosteriorScale = 0.02;
constexpr double kLeastGoodness = -10.0;
// Fitted by least squares (bench_assessment --fit) on speechocean762's 328 utterances against
// the raters' scores times ten; the benchmark also reports each fit judged leaving one
// speaker out. Both maps start from goodness: a phone's mean log posterior (see
// PhonePosteriors), which follows the raters better than the aligned score per frame
// (sentence r 0.43 against 0.31, leaving each speaker out).
// Word accuracy: kWordBase + kWordSlope x the mean goodness of its phones + kWordHeard x
// the share of its phones heard as another sound, 0 to 100.
constexpr double kWordBase = 121.80;
constexpr double kWordSlope = 8.7201;
constexpr double kWordHeard = -3.59;
// Sentence accuracy: kSentenceBase + kSentenceSlope x the mean goodness of the phones of the
// words said + kSentenceOmitted x the share of omitted words, 0 to 100.
constexpr double kSentenceBase = 168.15;
constexpr double kSentenceSlope = 30.5021;
constexpr double kSentenceOmitted = -58.61;

// The grammar's transition probabilities: silence or not at a boundary, leaving a word out
// (rare: the acoustics must clearly favour it), and a confusion beside the expected phone
// (it wins only with a clear acoustic margin).
constexpr double kSilenceProbability = 0.5;
constexpr double kSkipProbability = 1e-4;
constexpr double kConfusionProbability = 0.05;

struct PhoneInfo
{
    const char *phone;
    const char *confusions;  // likely substitutes, space-separated
};

// The acoustic model's 39 phones and the sounds they are commonly mistaken for (their IPA
// is PhoneSymbols').
constexpr PhoneInfo kPhones[] = {
    {"AA", "AH AO AE"}, {"AE", "EH AH AA"}, {"AH", "AA AE AO"}, {"AO", "AA OW AH"},
    {"AW", "OW AO"}, {"AY", "EY AA"}, {"B", "P"}, {"CH", "SH JH"},
    {"D", "T"}, {"DH", "D Z"}, {"EH", "AE IH EY"}, {"ER", "AH"},
    {"EY", "EH IY"}, {"F", "V"}, {"G", "K"}, {"HH", ""},
    {"IH", "IY EH"}, {"IY", "IH"}, {"JH", "CH ZH"}, {"K", "G"},
    {"L", "R N"}, {"M", "N"}, {"N", "NG L"}, {"NG", "N"},
    {"OW", "AO UW"}, {"OY", "OW"}, {"P", "B"}, {"R", "L"},
    {"S", "SH TH Z"}, {"SH", "S"}, {"T", "D"}, {"TH", "S F T"},
    {"UH", "UW"}, {"UW", "UH"}, {"V", "W F"}, {"W", "V"},
    {"Y", ""}, {"Z", "S"}, {"ZH", "SH"},
};

const PhoneInfo *phoneInfo(const QString &phone)
{
    for (const PhoneInfo &info : kPhones) {
        if (phone == QLatin1String(info.phone))
            return &info;
    }
    return nullptr;
}

float phoneScore(double raw)
{
    return float(100.0 / (1.0 + std::exp(-(raw - kPhoneMid) / kPhoneScale)));
}
}

double PronunciationAssessor::heardShare(const WordAssessment &word)
{
    if (word.phones.empty())
        return 0.0;
    const auto heard = std::count_if(word.phones.begin(), word.phones.end(),
                                     [](const PhoneAssessment &phone) { return !phone.heard.isEmpty(); });
    return double(heard) / double(word.phones.size());
}

namespace {
float clampedAccuracy(double value)
{
    return float(std::clamp(value, 0.0, 100.0));
}

// A grammar word names its position: "word.alternative.phone.PHONE", or for a confusion
// offered at that position "word.alternative.phone.PHONE.HEARD" (pronounced HEARD).
struct Label
{
    int word = -1;
    int alternative = 0;
    int phone = 0;
    QString expected;
    QString heard;  // empty for the expected phone itself

    bool isAt(int wordIndex, int alternativeIndex, int phoneIndex) const
    {
        return word == wordIndex && alternative == alternativeIndex && phone == phoneIndex;
    }
};

QString labelText(int word, int alternative, int phone, const QString &expected, const QString &heard = {})
{
    QString text = QStringLiteral("%1.%2.%3.%4").arg(word).arg(alternative).arg(phone).arg(expected);
    if (!heard.isEmpty())
        text += QLatin1Char('.') + heard;
    return text;
}

std::optional<Label> parseLabel(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char('.'));
    if (parts.size() < 4 || parts.size() > 5)
        return std::nullopt;
    Label label;
    bool ok[3] = {false, false, false};
    label.word = parts[0].toInt(&ok[0]);
    label.alternative = parts[1].toInt(&ok[1]);
    label.phone = parts[2].toInt(&ok[2]);
    if (!ok[0] || !ok[1] || !ok[2])
        return std::nullopt;
    label.expected = parts[3];
    if (parts.size() == 5)
        label.heard = parts[4];
    return label;
}

const char *const kSilenceWord = "sil";

struct ConfigDeleter
{
    void operator()(cmd_ln_t *config) const { cmd_ln_free_r(config); }
};
}

// The expected sentence as the grammar sees it: its known words, each with its
// pronunciations; `sentenceIndex` is the word's place among all the sentence's words.
struct PronunciationAssessor::Plan
{
    struct Word
    {
        int sentenceIndex = 0;
        std::vector<QStringList> alternatives;
    };
    QStringList sentenceWords;  // every word of the sentence, upper case
    std::vector<Word> words;
};

// One aligned phone of a decoding.
struct AlignedPhone
{
    Label label;
    int frames = 0;
    int startFrame = 0;
    qint64 acousticScore = 0;
    std::optional<double> goodness;  // from the posterior pass: absent when not measured
    qint64 startMs = 0;
    qint64 endMs = 0;
};

struct PronunciationAssessor::Decoding
{
    std::vector<AlignedPhone> phones;  // in time order
};

PronunciationAssessor::PronunciationAssessor(QString acousticModelPath)
    : m_acousticModelPath(std::move(acousticModelPath))
{
}

PronunciationAssessor::~PronunciationAssessor()
{
    SpeechLibraryLock::Guard lock(SpeechLibraryLock::mutex());
    m_aligner.decoder.reset();
    m_posteriorAligner.decoder.reset();
}

QString PronunciationAssessor::ipa(const QString &phone)
{
    const QString symbol = PhoneSymbols::ipa(phone);
    return symbol.isEmpty() ? phone : symbol;
}

bool PronunciationAssessor::ensureLookupList()
{
    if (m_lookupText)
        return !m_lookupText->isEmpty();
    QFile file(m_acousticModelPath + QLatin1Char('/') + ZQLanguageModelTrainer::lookupListFileName());
    if (!file.open(QIODevice::ReadOnly)) {
        ZQLog::log(QStringLiteral("assessment: cannot read %1").arg(file.fileName()), kErrorLevel);
        m_lookupText = QString();
        return false;
    }
    m_lookupText = QString::fromUtf8(file.readAll());
    return !m_lookupText->isEmpty();
}

std::vector<QStringList> PronunciationAssessor::pronunciations(const QString &word)
{
    std::vector<QStringList> result;
    if (word.isEmpty() || !ensureLookupList())
        return result;
    const QStringList lines = PronunciationLookup::performDictionaryLookup({word}, *m_lookupText);
    for (const QString &line : lines) {
        const qsizetype tab = line.indexOf(QLatin1Char('\t'));
        if (tab < 0)
            continue;
        QStringList phones = line.mid(tab + 1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        const bool known = !phones.isEmpty() && std::all_of(phones.cbegin(), phones.cend(), [](const QString &p) {
            return phoneInfo(p) != nullptr;
        });
        if (known && std::find(result.begin(), result.end(), phones) == result.end())
            result.push_back(phones);
    }
    return result;
}

// A decoder for alignment. Alignment needs wide beams: the grammar allows few paths, and
// pruning one of them loses the alignment. Silence is the grammar's own word, not an
// inserted filler. With `senoneLog` every senone is scored in every frame and the scores are
// written to that folder, for the phone posteriors.
std::shared_ptr<ps_decoder_s> PronunciationAssessor::createDecoder(const QString &senoneLog) const
{
    const QByteArray hmm = m_acousticModelPath.toUtf8();
    const QByteArray logs = QFile::encodeName(senoneLog);
    std::unique_ptr<cmd_ln_t, ConfigDeleter> config(cmd_ln_init(
        nullptr, ps_args(), TRUE, "-hmm", hmm.constData(), "-samprate", "16000", "-beam", "1e-60",
        "-wbeam", "1e-60", "-pbeam", "1e-60", "-maxhmmpf", "-1", "-fsgusefiller", "no",
        "-compallsen", senoneLog.isEmpty() ? "no" : "yes", nullptr));
    if (config && !senoneLog.isEmpty())
        cmd_ln_set_str_r(config.get(), "-senlogdir", logs.constData());
    ps_decoder_t *decoder = config ? ps_init(config.get()) : nullptr;
    if (!decoder) {
        ZQLog::log(QStringLiteral("assessment: no decoder for %1").arg(m_acousticModelPath), kErrorLevel);
        return nullptr;
    }
    std::shared_ptr<ps_decoder_s> result(decoder, [](ps_decoder_t *d) { ps_free(d); });
    if (ps_add_word(decoder, kSilenceWord, "SIL", FALSE) < 0)
        return nullptr;
    return result;
}

bool PronunciationAssessor::ensureDecoder()
{
    if (m_aligner.decoder || m_decoderFailed)
        return bool(m_aligner.decoder);
    SpeechLibraryLock::Guard lock(SpeechLibraryLock::mutex());
    ZQPSRecognizer::applyDecoderLogging();
    m_decoderFailed = true;
    m_aligner.decoder = createDecoder(QString());
    if (!m_aligner.decoder)
        return false;
    m_aligner.labels.insert(QString::fromLatin1(kSilenceWord), true);

    m_senoneLogs = std::make_unique<QTemporaryDir>();
    QString problem = m_senoneLogs->errorString();
    if (!m_senoneLogs->isValid()
        || !m_posteriors.readModelDefinition(m_acousticModelPath + QStringLiteral("/mdef"), &problem)) {
        ZQLog::log(QStringLiteral("assessment: no phone posteriors (%1)").arg(problem), kErrorLevel);
        m_aligner = Aligner();
        return false;
    }
    m_posteriorAligner.decoder = createDecoder(m_senoneLogs->path());
    if (!m_posteriorAligner.decoder) {
        m_aligner = Aligner();
        return false;
    }
    m_posteriorAligner.labels.insert(QString::fromLatin1(kSilenceWord), true);
    m_decoderFailed = false;
    return true;
}

namespace {
// Builds the alignment grammar. States: a boundary before each word and after the last
// (B0..Bn), the start of each word (S0..Sn-1), the final state, and the inner states of each
// pronunciation's phone chain. Bi -> Si by silence or nothing; Si -> Bi+1 by one of the
// pronunciations or, at a cost, by nothing (the word left out); Bn -> final by silence or
// nothing.
class GrammarBuilder
{
public:
    GrammarBuilder(ps_decoder_t *decoder, const PronunciationAssessor::Plan &plan, bool confusions)
        : m_plan(plan), m_confusions(confusions)
    {
        cmd_ln_t *config = ps_get_config(decoder);
        m_logMath = ps_get_logmath(decoder);
        m_weight = cmd_ln_float32_r(config, "-lw");
        const int count = int(plan.words.size());
        int states = 2 * count + 2;
        for (const auto &word : plan.words) {
            for (const QStringList &phones : word.alternatives)
                states += int(phones.size()) - 1;
        }
        m_fsg = fsg_model_init("align", m_logMath, m_weight, states);
        m_fsg->start_state = 0;
        m_fsg->final_state = 2 * count + 1;
        m_nextState = 2 * count + 2;
    }

    // The grammar (owned by the caller) and the dictionary entries its words need.
    fsg_model_t *build(std::vector<std::pair<QString, QString>> *entries)
    {
        m_entries = entries;
        const int count = int(m_plan.words.size());
        for (int i = 0; i < count; ++i) {
            const int boundary = i;
            const int start = count + 1 + i;
            const int next = i + 1;
            silenceOrNothing(boundary, start);
            addWord(i, start, next);
            null(start, next, kSkipProbability);
        }
        silenceOrNothing(count, m_fsg->final_state);
        // The closure returns the list of null transitions it found; the transitions belong
        // to the grammar, the list's nodes to us.
        glist_free(fsg_model_null_trans_closure(m_fsg, nullptr));
        return m_fsg;
    }

private:
    int32 logProbability(double p) const { return int32(logmath_log(m_logMath, p) * m_weight); }

    void arc(int from, int to, const QString &word, const QString &pronunciation, double p)
    {
        const QByteArray bytes = word.toUtf8();
        const int id = fsg_model_word_add(m_fsg, bytes.constData());
        fsg_model_trans_add(m_fsg, from, to, logProbability(p), id);
        m_entries->emplace_back(word, pronunciation);
    }

    void null(int from, int to, double p) { fsg_model_null_trans_add(m_fsg, from, to, logProbability(p)); }

    void silenceOrNothing(int from, int to)
    {
        arc(from, to, QString::fromLatin1(kSilenceWord), QStringLiteral("SIL"), kSilenceProbability);
        null(from, to, 1.0 - kSilenceProbability);
    }

    void addWord(int index, int start, int end)
    {
        const auto &alternatives = m_plan.words[size_t(index)].alternatives;
        const double share = 1.0 / double(alternatives.size());
        for (int a = 0; a < int(alternatives.size()); ++a) {
            const QStringList &phones = alternatives[size_t(a)];
            int from = start;
            for (int k = 0; k < phones.size(); ++k) {
                const int to = k + 1 == phones.size() ? end : m_nextState++;
                addPhone(index, a, k, phones[k], from, to, k == 0 ? share : 1.0);
                from = to;
            }
        }
    }

    void addPhone(int word, int alternative, int k, const QString &phone, int from, int to, double p)
    {
        arc(from, to, labelText(word, alternative, k, phone), phone, p);
        if (!m_confusions)
            return;
        const PhoneInfo *info = phoneInfo(phone);
        const QStringList confusions = QString::fromLatin1(info ? info->confusions : "").split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (const QString &heard : confusions)
            arc(from, to, labelText(word, alternative, k, phone, heard), heard, p * kConfusionProbability);
    }

    const PronunciationAssessor::Plan &m_plan;
    bool m_confusions = false;
    logmath_t *m_logMath = nullptr;
    float m_weight = 1.0f;
    fsg_model_t *m_fsg = nullptr;
    int m_nextState = 0;
    std::vector<std::pair<QString, QString>> *m_entries = nullptr;
};
}

std::optional<PronunciationAssessor::Decoding>
PronunciationAssessor::align(Aligner &aligner, const std::vector<qint16> &samples, const Plan &plan, bool confusions)
{
    SpeechLibraryLock::Guard lock(SpeechLibraryLock::mutex());
    ZQPSRecognizer::applyDecoderLogging();
    ps_decoder_t *decoder = aligner.decoder.get();
    std::vector<std::pair<QString, QString>> entries;
    fsg_model_t *fsg = GrammarBuilder(decoder, plan, confusions).build(&entries);
    for (const auto &[word, pronunciation] : entries) {
        if (aligner.labels.contains(word))
            continue;
        const int added = ps_add_word(decoder, word.toUtf8().constData(), pronunciation.toUtf8().constData(), FALSE);
        if (added < 0) {
            fsg_model_free(fsg);
            return std::nullopt;
        }
        aligner.labels.insert(word, true);
    }
    // Each grammar is a search of its own; the previous one is dropped once replaced.
    const QByteArray previous = "align" + QByteArray::number(aligner.searchCount);
    const QByteArray name = "align" + QByteArray::number(++aligner.searchCount);
    const int references = fsg->refcount;
    const bool added = ps_set_fsg(decoder, name.constData(), fsg) == 0;
    // A search that took its own reference leaves ours to drop; without a search the
    // grammar is ours alone.
    if (!added || fsg->refcount > references)
        fsg_model_free(fsg);
    const bool set = added && ps_set_search(decoder, name.constData()) == 0;

    if (aligner.searchCount > 1)
        ps_unset_search(decoder, previous.constData());
    if (!set)
        return std::nullopt;

    // A new stream: the front end forgets the noise level of the previous recording, so it
    // keeps the frames a fresh front end keeps and the frame-to-audio mapping holds.
    ps_start_stream(decoder);
    ZQPSRecognizer recognizer;
    recognizer.setWantsPowerSpectrum(false);  // the alignment needs the word times only
    recognizer.runRecognitionOnSamples(samples, decoder);
    const QList<WordTime> times = recognizer.wordTimes();
    Decoding decoding;
    for (qsizetype i = 0; i < recognizer.wordsInfo().size(); ++i) {
        const QVariantMap record = recognizer.wordsInfo()[i].toMap();
        const std::optional<Label> label = parseLabel(record.value(QStringLiteral("word")).toString());
        if (!label || i >= times.size())
            continue;
        AlignedPhone phone;
        phone.label = *label;
        phone.startFrame = record.value(QStringLiteral("startFrame")).toInt();
        phone.frames = std::max(1, record.value(QStringLiteral("endFrame")).toInt() - phone.startFrame + 1);
        phone.acousticScore = record.value(QStringLiteral("acousticScore")).toLongLong();
        phone.startMs = times[i].startMs;
        phone.endMs = times[i].endMs;
        decoding.phones.push_back(phone);
    }
    return decoding;
}

// The goodness of each phone of `decoding`: the posterior decoder aligns the same grammar
// (its path is the same; only its scores differ) and logs the senone scores its frames had.
bool PronunciationAssessor::measureGoodness(const std::vector<qint16> &samples, const Plan &plan, Decoding &decoding)
{
    const std::optional<Decoding> scored = align(m_posteriorAligner, samples, plan, false);
    if (!scored || !readPosteriors())
        return false;
    for (AlignedPhone &phone : decoding.phones) {
        for (const AlignedPhone &twin : scored->phones) {
            if (!twin.label.isAt(phone.label.word, phone.label.alternative, phone.label.phone))
                continue;
            const std::optional<double> goodness = m_posteriors.meanLogPosterior(
                m_posteriors.phoneIndex(twin.label.expected), twin.startFrame, twin.startFrame + twin.frames - 1,
                kPosteriorScale);
            phone.goodness = std::max(goodness.value_or(kLeastGoodness), kLeastGoodness);
        }
    }
    return true;
}

// Reads the senone log the last decoding wrote, then clears the folder for the next one.
bool PronunciationAssessor::readPosteriors()
{
    QDir folder(m_senoneLogs->path());
    const QStringList logs = folder.entryList(QDir::Files);
    bool read = false;
    if (logs.size() == 1) {
        QString problem;
        read = m_posteriors.readScores(folder.filePath(logs.first()), &problem);
        if (!read)
            ZQLog::log(QStringLiteral("assessment: %1").arg(problem), kErrorLevel);
    }
    for (const QString &log : logs)
        folder.remove(log);
    return read;
}

namespace {
// The expected word `index` of the plan from the aligned phones of both passes.
WordAssessment assessWord(const QString &text, int index, const QStringList &expectedPhones,
                          int alternative, const std::vector<AlignedPhone> &aligned,
                          const std::vector<AlignedPhone> &confusions)
{
    WordAssessment word;
    word.word = text.toLower();
    qint64 frameSum = 0;
    double goodnessSum = 0.0;
    int measured = 0;
    for (int k = 0; k < expectedPhones.size(); ++k) {
        PhoneAssessment phone;
        phone.phone = expectedPhones[k];
        phone.ipa = PronunciationAssessor::ipa(phone.phone);
        for (const AlignedPhone &a : aligned) {
            if (!a.label.isAt(index, alternative, k))
                continue;
            phone.startMs = a.startMs;
            phone.endMs = a.endMs;
            phone.rawScore = float(double(a.acousticScore) / a.frames);
            phone.score = phoneScore(phone.rawScore);
            phone.goodness = float(a.goodness.value_or(0.0));
            goodnessSum += a.goodness.value_or(0.0);
            measured += a.goodness ? 1 : 0;
            frameSum += a.frames;
        }
        for (const AlignedPhone &c : confusions) {
            if (c.label.isAt(index, alternative, k))
                phone.heard = c.label.heard;
        }
        word.phones.push_back(phone);
    }
    if (frameSum == 0) {
        word.omitted = true;
        for (PhoneAssessment &phone : word.phones)
            phone.heard.clear();
        return word;
    }
    word.startMs = word.phones.front().startMs;
    word.endMs = word.phones.back().endMs;
    word.rawScore = measured ? float(goodnessSum / measured) : 0.0f;
    word.accuracy = clampedAccuracy(kWordBase + kWordSlope * word.rawScore + kWordHeard * PronunciationAssessor::heardShare(word));
    return word;
}

// The sentence accuracy over the words the lookup list knows.
void scoreSentence(AssessmentResult &result, const std::vector<bool> &known)
{
    double goodnessSum = 0.0;
    int phones = 0;
    int assessed = 0;
    int omitted = 0;
    for (size_t i = 0; i < result.words.size(); ++i) {
        const WordAssessment &word = result.words[i];
        if (!known[i])
            continue;
        ++assessed;
        if (word.omitted) {
            ++omitted;
            continue;
        }
        for (const PhoneAssessment &phone : word.phones) {
            goodnessSum += phone.goodness;
            ++phones;
        }
    }
    if (assessed == 0 || omitted == assessed || phones == 0)
        return;
    result.rawScore = float(goodnessSum / phones);
    result.accuracy = clampedAccuracy(kSentenceBase + kSentenceSlope * result.rawScore
                                      + kSentenceOmitted * double(omitted) / double(assessed));
}
}

void PronunciationAssessor::markWords(AssessmentResult &result, const MarkingRule &rule)
{
    std::vector<double> raws;
    for (const WordAssessment &word : result.words) {
        for (const PhoneAssessment &phone : word.phones) {
            if (!word.omitted)
                raws.push_back(phone.rawScore);
        }
    }
    double mean = 0.0;
    double deviation = 0.0;
    if (!raws.empty()) {
        mean = std::accumulate(raws.begin(), raws.end(), 0.0) / double(raws.size());
        for (const double raw : raws)
            deviation += (raw - mean) * (raw - mean);
        deviation = std::sqrt(deviation / double(raws.size()));
    }
    const bool averageKnown = int(raws.size()) >= rule.minimumPhones && deviation > 0.0;
    for (WordAssessment &word : result.words) {
        word.mark = WordMark::None;
        word.weakPhone = -1;
        if (word.omitted) {
            word.mark = WordMark::Wrong;
            continue;
        }
        int weakest = -1;
        for (int k = 0; k < int(word.phones.size()); ++k) {
            const PhoneAssessment &phone = word.phones[size_t(k)];
            if (!phone.heard.isEmpty() && phone.score < rule.substitutionPhoneLimit) {
                word.mark = WordMark::Wrong;
                word.weakPhone = k;
                break;
            }
            if (weakest < 0 || phone.rawScore < word.phones[size_t(weakest)].rawScore)
                weakest = k;
        }
        if (word.mark != WordMark::None || weakest < 0 || !averageKnown)
            continue;
        const PhoneAssessment &phone = word.phones[size_t(weakest)];
        if (phone.rawScore < mean - rule.weakDeviations * deviation && phone.score < rule.weakPhoneLimit) {
            word.mark = WordMark::Weak;
            word.weakPhone = weakest;
        }
    }
}

AssessmentResult PronunciationAssessor::assess(const std::vector<qint16> &samples, const QString &expectedSentence)
{
    AssessmentResult result;
    Plan plan;
    plan.sentenceWords = ZQPSRecognizer::getAllWordFromText(expectedSentence, true);
    std::vector<bool> known;
    for (int i = 0; i < plan.sentenceWords.size(); ++i) {
        std::vector<QStringList> alternatives = pronunciations(plan.sentenceWords[i]);
        known.push_back(!alternatives.empty());
        if (!alternatives.empty())
            plan.words.push_back({i, std::move(alternatives)});
    }
    if (plan.words.empty() || !ensureDecoder())
        return result;

    std::optional<Decoding> aligned = align(m_aligner, samples, plan, false);
    if (!aligned)
        return result;
    // Without a phone aligned (no voice) there is nothing to measure.
    if (!aligned->phones.empty() && !measureGoodness(samples, plan, *aligned))
        return result;

    std::optional<Decoding> confused;
    if (!aligned->phones.empty())
        confused = align(m_aligner, samples, plan, true);
    const std::vector<AlignedPhone> none;
    result.valid = true;
    size_t planIndex = 0;
    for (int i = 0; i < plan.sentenceWords.size(); ++i) {
        if (!known[size_t(i)]) {
            result.words.push_back({});
            result.words.back().word = plan.sentenceWords[i].toLower();
            continue;
        }
        const int index = int(planIndex++);
        int alternative = 0;
        for (const AlignedPhone &a : aligned->phones) {
            if (a.label.word == index) {
                alternative = a.label.alternative;
                break;
            }
        }
        const QStringList &phones = plan.words[size_t(index)].alternatives[size_t(alternative)];
        result.words.push_back(assessWord(plan.sentenceWords[i], index, phones, alternative,
                                          aligned->phones, confused ? confused->phones : none));
    }
    scoreSentence(result, known);
    markWords(result);
    return result;
}

AssessmentResult PronunciationAssessor::assessFile(const QString &audioPath, const QString &expectedSentence)
{
    AudioDataInfo audio;
    if (ZQAudioUtil::decodeAudioDataFromFile(audioPath, audio) != ZQAudioUtil::StatusOk)
        return {};
    return assess(ZQAudioUtil::getAudioDataShortForByte(audio), expectedSentence);
}
