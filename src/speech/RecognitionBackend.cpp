#include "RecognitionBackend.h"

#include "ZQCommandArray.h"

RecognitionBackend::~RecognitionBackend() = default;

void RecognitionBackend::prepare(const RecognitionModels &) {}

PocketSphinxBackend::PocketSphinxBackend() = default;
PocketSphinxBackend::~PocketSphinxBackend() = default;

QString PocketSphinxBackend::identity() const
{
    // The decoder arguments other than the paths (those are part of RecognitionModels).
    const QStringList arguments = ZQCommandArray().commandArrayForlanguageModel(
        QStringLiteral("lm"), QStringLiteral("dict"), QStringLiteral("hmm"), false);
    return QStringLiteral("pocketsphinx ") + arguments.join(QLatin1Char(' '));
}

void PocketSphinxBackend::prepare(const RecognitionModels &models)
{
    if (m_preparedDecoder && m_preparedModels == models)
        return;
    m_preparedDecoder = ZQPSRecognizer().initializeDecoder(models.languageModelPath, models.dictionaryPath,
                                                           models.acousticModelPath, false);
    m_preparedModels = models;
}

ZQPSRecognizer::Decoder PocketSphinxBackend::takeDecoder(const RecognitionModels &models)
{
    ZQPSRecognizer::Decoder decoder;
    if (m_preparedDecoder && m_preparedModels == models)
        decoder = std::move(m_preparedDecoder);
    m_preparedDecoder.reset();
    m_preparedModels.reset();
    if (!decoder)
        decoder = ZQPSRecognizer().initializeDecoder(models.languageModelPath, models.dictionaryPath,
                                                     models.acousticModelPath, false);
    return decoder;
}

VoiceRecognition PocketSphinxBackend::recognise(std::vector<qint16> samples, const RecognitionModels &models)
{
    ZQPSRecognizer recognizer;
    recognizer.runRecognitionOnSamples(std::move(samples), takeDecoder(models));
    VoiceRecognition result;
    result.hypothesis = recognizer.hypothesis();
    result.wordsInfo = recognizer.wordsInfo();
    result.wordTimes = recognizer.wordTimes();
    result.powerSpectrumInfo = recognizer.powerSpectrumInfo();
    result.frameTimes = recognizer.frameTimes();
    return result;
}
