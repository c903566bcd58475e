#include "ZQPSRecognizer.h"

#include "PowerSpectrumFrontEnd.h"
#include "SpeechLibraryLock.h"
#include "ZQAudioUtil.h"
#include "platform/foundation/ZQLog.h"
#include "ZQTimer.h"

#include <QFile>

#include <pocketsphinx.h>
#include <sphinxbase/err.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {
constexpr int kProgressLevel = 8;
constexpr int kErrorLevel = 2;

bool g_decoderLogging = false;

struct ConfigDeleter
{
    void operator()(cmd_ln_t *config) const { cmd_ln_free_r(config); }
};
}

void ZQPSRecognizer::DecoderDeleter::operator()(ps_decoder_s *decoder) const
{
    // A decoder made ahead of time may be released by whichever thread drops it last.
    SpeechLibraryLock::Guard lock(SpeechLibraryLock::mutex());
    ps_free(decoder);
}

ZQPSRecognizer::ZQPSRecognizer() = default;
ZQPSRecognizer::~ZQPSRecognizer() = default;

void ZQPSRecognizer::setDecoderLogging(bool enabled)
{
    g_decoderLogging = enabled;
}

bool ZQPSRecognizer::decoderLogging()
{
    return g_decoderLogging;
}

void ZQPSRecognizer::applyDecoderLogging()
{
    err_set_logfp(g_decoderLogging ? stderr : nullptr);
}

std::optional<ZQPSRecognizer::CommandSetup>
ZQPSRecognizer::setUpCommandArray(const ZQCommandArray &commandArray,
                                  const QString &languageModelPath, const QString &dictionaryPath,
                                  const QString &acousticModelPath, bool isJSGF)
{
    CommandSetup setup;
    setup.commandArray = commandArray.commandArrayForlanguageModel(languageModelPath, dictionaryPath,
                                                                   acousticModelPath, isJSGF);
    if (setup.commandArray.size() < 3)
        return std::nullopt;
    setup.argumentBytes.reserve(size_t(setup.commandArray.size()));
    for (const QString &argument : setup.commandArray)
        setup.argumentBytes.push_back(argument.toUtf8());
    for (QByteArray &bytes : setup.argumentBytes)
        setup.argv.push_back(bytes.data());
    setup.cont_args_def = ps_args();
    return setup;
}

ZQPSRecognizer::Decoder ZQPSRecognizer::initializeDecoder(const QString &languageModelPath,
                                                          const QString &dictionaryPath,
                                                          const QString &acousticModelPath,
                                                          bool isJSGF) const
{
    SpeechLibraryLock::Guard lock(SpeechLibraryLock::mutex());
    applyDecoderLogging();
    std::optional<CommandSetup> setup =
        setUpCommandArray(ZQCommandArray(), languageModelPath, dictionaryPath, acousticModelPath, isJSGF);
    if (!setup) {
        if (g_decoderLogging)
            std::fprintf(stderr, "Initial Pocketsphinx command failed because there aren't any "
                                 "arguments in the command, stopping.\n");
        return Decoder();
    }
    // The list has no program name: the parser takes its first entry as an option.
    std::unique_ptr<cmd_ln_t, ConfigDeleter> config(
        cmd_ln_parse_r(nullptr, static_cast<const arg_t *>(setup->cont_args_def),
                       int32(setup->argv.size()), setup->argv.data(), FALSE));
    Decoder decoder(config ? ps_init(config.get()) : nullptr);
    if (!decoder && g_decoderLogging)
        std::fprintf(stderr, "Something was wrong with the commands for this recogniser session, "
                             "returning.\n");
    return decoder;
}

void ZQPSRecognizer::runRecognitionOnWavFileAtPath(const QString &path,
                                                   const QString &languageModelPath,
                                                   const QString &dictionaryPath,
                                                   const QString &acousticModelPath, bool isJSGF)
{
    SpeechLibraryLock::Guard lock(SpeechLibraryLock::mutex());
    ZQTimer timer;
    timer.startTimer();
    Decoder decoder = initializeDecoder(languageModelPath, dictionaryPath, acousticModelPath, isJSGF);
    if (!decoder)
        return;
    ZQLog::log(QString::asprintf("\ninitialized decoder in %f seconds", timer.getSpentTime()),
               kProgressLevel);

    AudioDataInfo decoded;
    if (ZQAudioUtil::decodeAudioDataFromFile(path, decoded) != ZQAudioUtil::StatusOk) {
        ZQLog::log(QStringLiteral(" can not decode audio data from the file: %1").arg(path),
                   kProgressLevel);
        return;  // the decoder is released on the way out
    }
    m_audioDataInfo = decoded;
    ZQLog::log(QString::asprintf("\n decoded the audio data in %f seconds", timer.getSpentTime()),
               kProgressLevel);
    runRecognitionOnSamples(ZQAudioUtil::getAudioDataShortForByte(m_audioDataInfo), std::move(decoder));
}

void ZQPSRecognizer::runRecognitionOnSamples(std::vector<qint16> samples, Decoder decoder)
{
    runRecognitionOnSamples(std::move(samples), decoder.get());
}

void ZQPSRecognizer::runRecognitionOnSamples(std::vector<qint16> samples, ps_decoder_s *decoderPointer)
{
    if (!decoderPointer)
        return;
    SpeechLibraryLock::Guard lock(SpeechLibraryLock::mutex());
    applyDecoderLogging();
    ZQTimer timer;
    timer.startTimer();
    m_audioData = std::move(samples);
    ps_start_utt(decoderPointer);
    // All size / 2 samples in one call, as one full utterance with search on.
    const int searched = ps_process_raw(decoderPointer, m_audioData.data(), m_audioData.size(), FALSE, TRUE);
    m_searchedFrames = searched < 0 ? 0 : searched;
    if (searched < 0)
        ZQLog::log(QStringLiteral("the decoder failed on %1 samples").arg(m_audioData.size()), kErrorLevel);
    ZQLog::log(QString::asprintf("\n processed the raw data in %f seconds", timer.getSpentTime()),
               kProgressLevel);
    ps_end_utt(decoderPointer);

    generateLogPowerSpectrumData(decoderPointer);
    ZQLog::log(QString::asprintf("\n get log power spectrum in %f seconds", timer.getSpentTime()),
               kProgressLevel);

    int32 bestScore = 0;
    const char *hypothesis = ps_get_hyp(decoderPointer, &bestScore);
    const int32 posterior = ps_get_prob(decoderPointer);
    m_hypothesis = hypothesis ? QString::fromUtf8(hypothesis) : QString();
    // This decoder version numbers utterances internally and does not hand the id out.
    ZQLog::log(QStringLiteral("\n Pocketsphinx heard \"%1\" with a score of (%2) and an utterance ID of %3.")
                   .arg(m_hypothesis)
                   .arg(posterior)
                   .arg(QStringLiteral("(none)")),
               kProgressLevel);

    getEveryWordProb(decoderPointer);
    ZQLog::log(QString::asprintf("\n get the porb of every word in %f seconds", timer.getSpentTime()),
               kProgressLevel);
}

int ZQPSRecognizer::runRecognitionOnRawFileAtPath(const QString &path,
                                                  const QString &languageModelPath,
                                                  const QString &dictionaryPath,
                                                  const QString &acousticModelPath)
{
    SpeechLibraryLock::Guard lock(SpeechLibraryLock::mutex());
    applyDecoderLogging();
    const QByteArray hmm = acousticModelPath.toUtf8();
    const QByteArray lm = languageModelPath.toUtf8();
    const QByteArray dict = dictionaryPath.toUtf8();
    std::unique_ptr<cmd_ln_t, ConfigDeleter> config(
        cmd_ln_init(nullptr, ps_args(), TRUE, "-hmm", hmm.constData(), "-lm", lm.constData(),
                    "-dict", dict.constData(), nullptr));
    if (!config)
        return 1;
    Decoder decoder(ps_init(config.get()));
    if (!decoder)
        return 1;
    std::FILE *raw = std::fopen(QFile::encodeName(path).constData(), "rb");
    if (!raw)
        return 1;
    const long samples = ps_decode_raw(decoder.get(), raw, -1);
    std::fclose(raw);
    if (samples < 0)
        return 1;
    int32 score = 0;
    const char *hypothesis = ps_get_hyp(decoder.get(), &score);
    std::printf("Recognized: %s\n", hypothesis ? hypothesis : "");
    std::fflush(stdout);
    getEveryWordProb(decoder.get());
    return 0;
}

void ZQPSRecognizer::generateLogPowerSpectrumData(ps_decoder_s *decoder)
{
    m_powerSpectrumInfo = AudioPowerSpectrumInfo();
    m_audioFrameOfDecoderFrame.clear();
    m_frameTimes.clear();
    m_frameShiftSeconds = 0.0;

    std::optional<PowerSpectrumFrontEnd::KeptFrames> kept = PowerSpectrumFrontEnd::keptFrames(
        ps_get_config(decoder), m_audioData.data(), m_audioData.size());
    if (!kept) {
        ZQLog::log(QStringLiteral("can not replay the decoder front end; no power spectrum"), kErrorLevel);
        return;
    }
    QList<qint64> frames = kept->audioFrameOfDecoderFrame;
    // The decoder's own count decides; the replay has always matched it, but should it ever
    // not, extra decoder frames continue after the last replayed one.
    const qint64 decoderFrames = m_searchedFrames >= 0 ? m_searchedFrames : frames.size();
    if (decoderFrames != frames.size()) {
        ZQLog::log(QStringLiteral("front end replay gave %1 frames, the decoder searched %2")
                       .arg(frames.size())
                       .arg(decoderFrames),
                   kErrorLevel);
        if (frames.size() > decoderFrames)
            frames.resize(decoderFrames);
        while (frames.size() < decoderFrames)
            frames.append(frames.isEmpty() ? 0 : frames.last() + 1);
    }

    if (m_wantsPowerSpectrum)
        m_powerSpectrumInfo = PowerSpectrumFrontEnd::logPowerSpectrum(
            m_audioData.data(), m_audioData.size(), frames, kept->framing, 128);
    m_frameShiftSeconds = kept->framing.sampleRate > 0
        ? kept->framing.frameShift / kept->framing.sampleRate
        : 0.0;
    m_frameTimes.reserve(frames.size());
    for (const qint64 frame : frames)
        m_frameTimes.append(double(frame) * m_frameShiftSeconds);
    m_audioFrameOfDecoderFrame = std::move(frames);
}

double ZQPSRecognizer::timeOfDecoderFrame(qint64 frame) const
{
    if (m_frameTimes.isEmpty() || frame < 0)
        return -1.0;
    if (frame < m_frameTimes.size())
        return m_frameTimes[frame];
    return m_frameTimes.last() + double(frame - (m_frameTimes.size() - 1)) * m_frameShiftSeconds;
}

QList<WordTime> ZQPSRecognizer::wordTimes() const
{
    QList<WordTime> times;
    if (m_frameTimes.isEmpty())
        return times;
    const qint64 audioMs = qint64(m_audioData.size()) * 1000 / ZQAudioUtil::kTargetSampleRate;
    auto milliseconds = [audioMs](double seconds) {
        return std::clamp(qint64(std::llround(seconds * 1000.0)), qint64(0), audioMs);
    };
    times.reserve(m_wordsInfo.size());
    for (const QVariant &entry : m_wordsInfo) {
        const QVariantMap record = entry.toMap();
        const qint64 first = record.value(QStringLiteral("startFrame")).toLongLong();
        const qint64 last = std::max(first, record.value(QStringLiteral("endFrame")).toLongLong());
        // A word ends where its last frame's shift ends: the start of the next audio frame.
        times.append({milliseconds(timeOfDecoderFrame(first)),
                      milliseconds(timeOfDecoderFrame(last) + m_frameShiftSeconds)});
    }
    return times;
}

void ZQPSRecognizer::getEveryWordProb(ps_decoder_s *decoder)
{
    m_wordsInfo.clear();
    logmath_t *logMath = ps_get_logmath(decoder);
    // The language weight of a segment is not public in this decoder version; every
    // segment is reported with the configured "-lw" value.
    const float languageWeight = cmd_ln_float32_r(ps_get_config(decoder), "-lw");
    for (ps_seg_t *segment = ps_seg_iter(decoder); segment; segment = ps_seg_next(segment)) {
        int startFrame = 0;
        int endFrame = 0;
        ps_seg_frames(segment, &startFrame, &endFrame);
        int32 acousticScore = 0;
        int32 lmScore = 0;
        int32 backoff = 0;
        const int32 probability = ps_seg_prob(segment, &acousticScore, &lmScore, &backoff);
        const float linear = float(logmath_exp(logMath, probability));
        const char *word = ps_seg_word(segment);
        QVariantMap record;
        record.insert(QStringLiteral("word"), QString::fromUtf8(word ? word : ""));
        record.insert(QStringLiteral("startFrame"), startFrame);
        record.insert(QStringLiteral("endFrame"), endFrame);
        record.insert(QStringLiteral("acousticScore"), int(acousticScore));
        record.insert(QStringLiteral("lmScore"), int(lmScore));
        record.insert(QStringLiteral("probability"), int(probability));
        record.insert(QStringLiteral("logProbability"), QVariant::fromValue(linear));
        record.insert(QStringLiteral("lmWeightFactor"), QVariant::fromValue(languageWeight));
        m_wordsInfo.append(record);
        if (g_decoderLogging)
            std::fprintf(stderr, "%s (%d:%d) P(w|o) = %f ascr = %d lscr = %d lback = %d lwf= %f\n",
                         word ? word : "", startFrame, endFrame, double(linear), acousticScore,
                         lmScore, backoff, double(languageWeight));
    }
}
