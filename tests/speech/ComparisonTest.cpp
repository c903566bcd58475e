// The comparison engine: the same result as the sequential pipeline (generation, the
// recording recognised and scored, the model voice recognised) with and without the early
// start; no decode done twice; word times in the audio; failures; abandoned preparation.
#include "BuiltModelTest.h"
#include "CountingBackend.h"
#include "SpeechFixture.h"
#include "speech/PronunciationComparison.h"
#include "speech/SpeechWorker.h"
#include "speech/ZQAppCommon.h"
#include "speech/ZQLanguageModelTrainer.h"
#include "speech/ZQPSRecognizer.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QSemaphore>

#include <sndfile.h>

#include <atomic>

namespace {
const QString kTrain = QStringLiteral("Where is the train station?");
const QStringList kPhrases = {kTrain, QStringLiteral("How much is a ticket?"), QStringLiteral("I'm lost."),
                              QStringLiteral("Where is the bus stop?"), QStringLiteral("One ticket, please."),
                              QStringLiteral("Can you help me, please?")};

// What the panel computed before the engine, step by step with fresh objects.
struct Sequential
{
    float score = 0.0f;
    QVariantMap advice;
    VoiceRecognition estimated;
    VoiceRecognition standard;
};

VoiceRecognition recognised(const ZQPSRecognizer &recognizer)
{
    VoiceRecognition result;
    result.hypothesis = recognizer.hypothesis();
    result.wordsInfo = recognizer.wordsInfo();
    result.powerSpectrumInfo = recognizer.powerSpectrumInfo();
    return result;
}

Sequential sequential(const ComparisonRequest &request, const QString &recording, const QString &folder)
{
    ZQLanguageModelTrainer trainer;
    trainer.setLmBasePath(folder);
    const ZQStatus status = trainer.generateLanguageModelFromArray(
        ZQAppCommon::comparisonCorpusWords(request.expectedSentence, request.phraseContents),
        QStringLiteral("test"), request.acousticModelPath);
    const QString lm = status.userInfo.value(QStringLiteral("LMPath")).toString();
    const QString dictionary = status.userInfo.value(QStringLiteral("DictionaryPath")).toString();
    Sequential result;
    ZQPSRecognizer scored;
    scored.runRecognitionOnWavFileAtPath(recording, lm, dictionary, request.acousticModelPath, false);
    result.score = ZQPSRecognizer::getScore(scored.wordsInfo(), request.expectedSentence, result.advice,
                                            ZQPSRecognizer::fillerWords(request.acousticModelPath));
    result.estimated = recognised(scored);
    ZQPSRecognizer standard;
    standard.runRecognitionOnWavFileAtPath(request.standardAudioPath, lm, dictionary, request.acousticModelPath,
                                           false);
    result.standard = recognised(standard);
    return result;
}

void expectSameRecognition(const VoiceRecognition &engine, const VoiceRecognition &reference)
{
    EXPECT_EQ(engine.hypothesis, reference.hypothesis);
    EXPECT_EQ(engine.wordsInfo, reference.wordsInfo);
    EXPECT_EQ(engine.wordTimes.size(), engine.wordsInfo.size());
    EXPECT_EQ(engine.powerSpectrumInfo.frameCount, reference.powerSpectrumInfo.frameCount);
    EXPECT_EQ(engine.powerSpectrumInfo.maxPower, reference.powerSpectrumInfo.maxPower);
    EXPECT_TRUE(engine.powerSpectrumInfo.powerData == reference.powerSpectrumInfo.powerData);
}

class Comparison : public BuiltModelTest
{
protected:
    Comparison() : BuiltModelTest(QStringLiteral("comparison")) {}
    void SetUp() override
    {
        BuiltModelTest::SetUp();
        if (setUpStopped())
            return;
        voice = SpeechFixture::synthesise(QStringLiteral("slt"), kTrain, folder, QStringLiteral("voice"));
    }
    ComparisonRequest request(const QString &sentence = kTrain) const
    {
        ComparisonRequest result;
        result.expectedSentence = sentence;
        result.phraseContents = kPhrases;
        result.standardAudioPath = voice;
        result.acousticModelPath = SpeechFixture::acousticModelPath();
        result.modelDirectory = folder + QStringLiteral("/lm");
        return result;
    }

    QString voice;
};
}

TEST_F(Comparison, MatchesTheSequentialPipelineWithAndWithoutEarlyStart)
{
    PHRASEBOOK_REQUIRE_OR_SKIP(!voice.isEmpty(), "flite");
    for (const QString &reader : {QStringLiteral("slt"), QStringLiteral("kal16")}) {
        SCOPED_TRACE(reader.toStdString());
        const QString recording = SpeechFixture::synthesise(reader, kTrain, folder, reader + QStringLiteral("-reading"));
        ASSERT_FALSE(recording.isEmpty());
        const Sequential reference =
            sequential(request(), recording, TestSupport::freshDirectory(QStringLiteral("sequential-") + reader));
        ASSERT_GT(reference.score, 50.0f);

        // Cold, prepared and racing the comparison, prepared and finished.
        for (int earlyStart = 0; earlyStart < 3; ++earlyStart) {
            SCOPED_TRACE(earlyStart);
            PronunciationComparison::clearCaches();
            PronunciationComparison comparison(request());
            if (earlyStart > 0)
                comparison.prepare();
            if (earlyStart > 1)
                SpeechWorker::instance().waitUntilIdle();
            const ComparisonResult result = comparison.compare(recording);
            EXPECT_EQ(result.score, reference.score);
            EXPECT_EQ(result.panelScore, int(reference.score / 10.0f));
            EXPECT_EQ(result.advice, reference.advice);
            EXPECT_TRUE(result.generatedModel);
            EXPECT_EQ(comparison.generationCount(), 1);
            expectSameRecognition(result.estimated, reference.estimated);
            expectSameRecognition(result.standard, reference.standard);
        }
    }
}

TEST_F(Comparison, RepeatedRecordingDecodesOnlyTheRecording)
{
    const QString first = SpeechFixture::synthesise(QStringLiteral("kal16"), kTrain, folder, QStringLiteral("first"));
    const QString second = SpeechFixture::synthesise(QStringLiteral("slt"), kTrain, folder, QStringLiteral("second"));
    PHRASEBOOK_REQUIRE_OR_SKIP(!voice.isEmpty() && !first.isEmpty() && !second.isEmpty(), "flite");
    auto backend = std::make_shared<CountingBackend>();
    RecognitionCache cache;

    PronunciationComparison panel(request(), backend, &cache);
    const ComparisonResult opened = panel.compare(first);
    EXPECT_EQ(backend->decodes, 2);
    EXPECT_GT(panel.compare(second).score, 50.0f);
    EXPECT_EQ(backend->decodes, 3);  // the recording only
    EXPECT_EQ(panel.generationCount(), 1);

    // A new panel for the same phrase: model files and model voice are reused.
    PronunciationComparison again(request(), backend, &cache);
    const ComparisonResult repeated = again.compare(first);
    EXPECT_EQ(backend->decodes, 4);
    EXPECT_EQ(again.generationCount(), 0);
    EXPECT_FALSE(repeated.generatedModel);
    EXPECT_EQ(repeated.score, opened.score);
    EXPECT_EQ(repeated.standard.wordsInfo, opened.standard.wordsInfo);

    // Another phrase overwrites the files: its own model and voice recognition...
    PronunciationComparison other(request(QStringLiteral("How much is a ticket?")), backend, &cache);
    other.compare(first);
    EXPECT_EQ(other.generationCount(), 1);
    EXPECT_EQ(backend->decodes, 6);
    // ...and the first phrase regenerates its model rather than use the other's; the same
    // content makes its cached voice valid again.
    const ComparisonResult back = again.compare(first);
    EXPECT_EQ(again.generationCount(), 1);
    EXPECT_EQ(backend->decodes, 7);
    EXPECT_EQ(back.score, opened.score);
    EXPECT_EQ(back.models->contentKey, opened.models->contentKey);
}

TEST_F(Comparison, WordTimesLieInTheAudioInOrder)
{
    const QString speech = SpeechFixture::synthesise(QStringLiteral("slt"), kTrain, folder, QStringLiteral("late"));
    PHRASEBOOK_REQUIRE_OR_SKIP(!voice.isEmpty() && !speech.isEmpty(), "flite");
    // 1.5 s of silence, then the sentence, then 0.5 s of silence.
    std::vector<short> samples = SpeechFixture::silence(1.5);
    SpeechFixture::append(samples, SpeechFixture::readAudio(speech));
    SpeechFixture::append(samples, SpeechFixture::silence(0.5));
    const QString recording = writeWav(QStringLiteral("late-reading"), samples);
    ASSERT_FALSE(recording.isEmpty());

    PronunciationComparison comparison(request());
    const ComparisonResult result = comparison.compare(recording);
    EXPECT_EQ(result.estimated.durationMs, qint64(samples.size()) / 16);
    for (const VoiceRecognition *voiceResult : {&result.estimated, &result.standard}) {
        ASSERT_EQ(voiceResult->wordTimes.size(), voiceResult->wordsInfo.size());
        ASSERT_GE(voiceResult->wordTimes.size(), 5);
        qint64 previousStart = 0;
        for (const WordTime &time : voiceResult->wordTimes) {
            EXPECT_GE(time.startMs, previousStart);
            EXPECT_LE(time.startMs, time.endMs);
            EXPECT_LE(time.endMs, voiceResult->durationMs);
            previousStart = time.startMs;
        }
    }
    QStringList heard;
    for (qsizetype i = 0; i < result.estimated.wordsInfo.size(); ++i) {
        const QString word = result.estimated.wordsInfo[i].toMap().value(QStringLiteral("word")).toString();
        if (word.startsWith(QLatin1Char('<')))
            continue;
        if (heard.isEmpty()) {
            EXPECT_EQ(word, QStringLiteral("WHERE"));
            EXPECT_GT(result.estimated.wordTimes[i].startMs, 1400);
            EXPECT_LT(result.estimated.wordTimes[i].startMs, 1700);
        }
        heard.append(word);
    }
    EXPECT_EQ(heard.join(QLatin1Char(' ')), QStringLiteral("WHERE IS THE TRAIN STATION"));
}

// The decoder hears a low hum (the voiced part of a cough, a murmur) as the filler
// "[SPEECH]" of the acoustic model's noise dictionary. It is no word of the learner's.
TEST_F(Comparison, AHumScoresAsTheSilenceItReplaces)
{
    const QString before = SpeechFixture::synthesise(QStringLiteral("slt"), QStringLiteral("Where is the"), folder,
                                                     QStringLiteral("before"));
    const QString after = SpeechFixture::synthesise(QStringLiteral("slt"), QStringLiteral("station"), folder,
                                                    QStringLiteral("after"));
    PHRASEBOOK_REQUIRE_OR_SKIP(!voice.isEmpty() && !before.isEmpty() && !after.isEmpty(), "flite");
    auto reading = [&](const QString &name, const std::vector<short> &between) {
        std::vector<short> samples = SpeechFixture::readAudio(before);
        SpeechFixture::append(samples, between);
        SpeechFixture::append(samples, SpeechFixture::readAudio(after));
        return writeWav(name, samples);
    };
    const std::vector<short> hum = SpeechFixture::tone(100.0, 0.2, 6500.0);
    ComparisonRequest phrase = request();
    phrase.phraseContents = {kTrain};
    auto heardFiller = [](const ComparisonResult &result) {
        for (const QVariant &record : result.estimated.wordsInfo) {
            if (record.toMap().value(QStringLiteral("word")).toString() == QStringLiteral("[SPEECH]"))
                return true;
        }
        return false;
    };

    // "Where is the ... station" (one word left out, so the score is not at the top of its
    // curve): a hum where the pause was moves the score only as far as it moves the
    // posteriors of the words around it; counted as a word it would cost more than that.
    const ComparisonResult clean =
        PronunciationComparison(phrase).compare(reading(QStringLiteral("pause"), SpeechFixture::silence(0.2)));
    const ComparisonResult noisy = PronunciationComparison(phrase).compare(reading(QStringLiteral("hum"), hum));
    ASSERT_TRUE(heardFiller(noisy)) << "the decoder no longer hears the hum as a filler";
    ASSERT_GT(clean.score, 80.0f);
    EXPECT_NEAR(noisy.score, clean.score, 1.0);
    EXPECT_EQ(noisy.panelScore, clean.panelScore);
    EXPECT_EQ(noisy.advice.keys(), clean.advice.keys());
    QVariantMap advice;
    const float countingTheHum = ZQPSRecognizer::getScore(noisy.estimated.wordsInfo, kTrain, advice,
                                                          ZQPSRecognizer::fillerWords(QString()));
    EXPECT_LT(countingTheHum, noisy.score - 1.0f);

    // A hum alone is no voice, not a wrong word.
    std::vector<short> alone = SpeechFixture::silence(0.3);
    SpeechFixture::append(alone, SpeechFixture::tone(150.0, 1.2, 6500.0));
    SpeechFixture::append(alone, SpeechFixture::silence(0.3));
    const ComparisonResult onlyHum = PronunciationComparison(phrase).compare(writeWav(QStringLiteral("alone"), alone));
    ASSERT_TRUE(heardFiller(onlyHum));
    EXPECT_EQ(onlyHum.score, 0.0f);
    EXPECT_EQ(onlyHum.advice.keys(), QStringList{QStringLiteral("no_voice")});
}

TEST_F(Comparison, FailuresScoreZeroAndSayWhy)
{
    PHRASEBOOK_REQUIRE_OR_SKIP(!voice.isEmpty(), "flite");
    // No recording: the model voice is still shown.
    PronunciationComparison comparison(request());
    const ComparisonResult missing = comparison.compare(folder + QStringLiteral("/none.caf"));
    EXPECT_NE(missing.estimated.audioStatus, 0);
    EXPECT_EQ(missing.score, 0.0f);
    EXPECT_EQ(missing.advice.keys(), QStringList{QStringLiteral("no_voice")});
    EXPECT_TRUE(missing.estimated.wordsInfo.isEmpty());
    EXPECT_GT(missing.standard.powerSpectrumInfo.frameCount, 100u);

    // No acoustic model: nothing can be generated or recognised.
    ComparisonRequest broken = request();
    broken.acousticModelPath = folder + QStringLiteral("/no-model");
    PronunciationComparison without(broken);
    const ComparisonResult failed = without.compare(voice);
    EXPECT_FALSE(failed.models.has_value());
    EXPECT_NE(failed.generationStatus.code, 0);
    EXPECT_EQ(failed.estimated.audioStatus, 0);
    EXPECT_EQ(failed.estimated.powerSpectrumInfo.frameCount, 0u);
    EXPECT_EQ(failed.score, 0.0f);
    EXPECT_TRUE(failed.advice.contains(QStringLiteral("no_voice")));
}

namespace {
// Holds the first recognition until the test lets it go.
class BlockingBackend : public RecognitionBackend
{
public:
    QString identity() const override { return QStringLiteral("blocking test backend"); }
    void prepare(const RecognitionModels &) override { ++prepares; }
    VoiceRecognition recognise(std::vector<qint16>, const RecognitionModels &) override
    {
        entered.release();
        proceed.acquire();
        ++recognitions;
        return {};
    }
    QSemaphore entered;
    QSemaphore proceed;
    std::atomic<int> prepares{0};
    std::atomic<int> recognitions{0};
};
}

TEST_F(Comparison, AbandonedPreparationStopsAfterItsCurrentStep)
{
    PHRASEBOOK_REQUIRE_OR_SKIP(!voice.isEmpty(), "flite");
    auto backend = std::make_shared<BlockingBackend>();
    RecognitionCache cache;
    {
        PronunciationComparison comparison(request(), backend, &cache);
        comparison.prepare();
        ASSERT_TRUE(backend->entered.tryAcquire(1, 60000)) << "the preparation never reached the model voice";
    }  // the card closes while the model voice is being recognised
    backend->proceed.release();
    SpeechWorker::instance().waitUntilIdle();
    EXPECT_EQ(backend->recognitions, 1);
    EXPECT_EQ(backend->prepares, 0);      // no decoder made for a recording that never comes
    EXPECT_EQ(backend.use_count(), 1);    // the job let go of everything it held

    // The worker goes on serving the next comparison.
    auto counting = std::make_shared<CountingBackend>();
    PronunciationComparison next(request(), counting, &cache);
    next.prepare();
    SpeechWorker::instance().waitUntilIdle();
    EXPECT_EQ(counting->decodes, 1);
    EXPECT_GT(next.compare(voice).score, 50.0f);
    EXPECT_EQ(counting->decodes, 2);
}

TEST(RecognitionCache, KeepsTheMostRecentlyUsedEntries)
{
    RecognitionCache cache(2);
    VoiceRecognition a, b, c;
    a.hypothesis = QStringLiteral("A");
    b.hypothesis = QStringLiteral("B");
    c.hypothesis = QStringLiteral("C");
    cache.insert("a", a);
    cache.insert("b", b);
    EXPECT_EQ(cache.find("a")->hypothesis, QStringLiteral("A"));  // a is now the most recent
    cache.insert("c", c);
    EXPECT_EQ(cache.size(), 2);
    EXPECT_FALSE(cache.find("b").has_value());
    EXPECT_EQ(cache.find("a")->hypothesis, QStringLiteral("A"));
    EXPECT_EQ(cache.find("c")->hypothesis, QStringLiteral("C"));

    // Keys differ when any part of the content differs.
    RecognitionModels models{"lm", "dic", "hmm", "content"};
    const QByteArray key = RecognitionCache::key("recogniser", "audio", models);
    EXPECT_EQ(key, RecognitionCache::key("recogniser", "audio", models));
    EXPECT_NE(key, RecognitionCache::key("recogniser", "other audio", models));
    models.contentKey = "other content";
    EXPECT_NE(key, RecognitionCache::key("recogniser", "audio", models));
}
