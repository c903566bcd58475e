#include "speech/PowerSpectrumFrontEnd.h"
#include "SpeechFixture.h"
#include "support/TestSupport.h"
#include "speech/ZQPSRecognizer.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QMetaType>

#include <pocketsphinx.h>
#include <sndfile.h>

#include <algorithm>
#include <cstdio>
#include <ostream>
#include <string>

using SpeechFixture::append;
using SpeechFixture::silence;
using SpeechFixture::tone;

namespace {

const QString kTrain = QStringLiteral("Where is the train station?");
const QString kCost = QStringLiteral("How much does this cost?");
const QString kMenu = QStringLiteral("Can I see the menu, please?");

class Recognizer : public testing::Test
{
protected:
    // One folder and one model pair for the whole test process.
    static const QString &folder()
    {
        static const QString path = TestSupport::freshDirectory(QStringLiteral("recognizer"));
        return path;
    }
    static const SpeechFixture::Models &models()
    {
        static const SpeechFixture::Models written =
            SpeechFixture::writeModels({kTrain, kCost, kMenu}, folder());
        return written;
    }

    void SetUp() override
    {
        ASSERT_FALSE(models().languageModel.isEmpty()) << "could not write the test models";
    }

    static void recognise(ZQPSRecognizer &recognizer, const QString &path)
    {
        recognizer.runRecognitionOnWavFileAtPath(path, models().languageModel, models().dictionary,
                                                 SpeechFixture::acousticModelPath(), false);
    }

    // The speech of `text`; empty when the synthesiser is missing or fails.
    static QString speech(const QString &voice, const QString &text, const QString &name)
    {
        return SpeechFixture::synthesise(voice, text, folder(), name);
    }
    // The program that speaks with `voice` ("espeak" is espeak-ng, the others flite's).
    static std::string synthesiserOf(const QString &voice)
    {
        return voice == QLatin1String("espeak") ? "espeak-ng" : "flite";
    }
    static bool synthesiserAvailable(const QString &voice)
    {
        return TestSupport::programAvailable(QString::fromStdString(synthesiserOf(voice)));
    }

    static QStringList words(const ZQPSRecognizer &recognizer)
    {
        QStringList result;
        for (const QVariant &entry : recognizer.wordsInfo()) {
            const QString word = entry.toMap().value(QStringLiteral("word")).toString();
            if (!word.startsWith(QLatin1Char('<')))
                result.append(word.section(QLatin1Char('('), 0, 0));
        }
        return result;
    }

    // Frames searched by a decoder of the run's configuration, against the front end replay.
    static std::pair<qint64, qint64> decoderAndReplayFrames(const std::vector<short> &samples)
    {
        ZQPSRecognizer recognizer;
        ZQPSRecognizer::Decoder decoder = recognizer.initializeDecoder(
            models().languageModel, models().dictionary, SpeechFixture::acousticModelPath(), false);
        if (!decoder)
            return {-1, -1};
        ps_start_utt(decoder.get());
        const int searched = ps_process_raw(decoder.get(), samples.data(), samples.size(), FALSE, TRUE);
        ps_end_utt(decoder.get());
        const auto kept = PowerSpectrumFrontEnd::keptFrames(ps_get_config(decoder.get()),
                                                            samples.data(), samples.size());
        return {searched, kept ? kept->audioFrameOfDecoderFrame.size() : -1};
    }

    static QString writeWav(const QString &name, const std::vector<short> &samples)
    {
        const QString path = folder() + QLatin1Char('/') + name + QStringLiteral(".wav");
        return SpeechFixture::writeAudio(path, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 16000, 1, samples)
            ? path
            : QString();
    }

};

} // namespace

TEST_F(Recognizer, WordRecordsCarryEveryKey)
{
    PHRASEBOOK_REQUIRE_OR_SKIP(synthesiserAvailable(QStringLiteral("slt")), "flite");
    const QString path = speech(QStringLiteral("slt"), kTrain, QStringLiteral("slt-train"));
    ASSERT_FALSE(path.isEmpty()) << "flite could not speak";
    ZQPSRecognizer recognizer;
    recognise(recognizer, path);
    EXPECT_EQ(recognizer.hypothesis(), QStringLiteral("WHERE IS THE TRAIN STATION"));
    EXPECT_EQ(recognizer.audioDataInfo().size, qint32(2 * recognizer.audioData().size()));
    ASSERT_GE(recognizer.wordsInfo().size(), 5);
    int previousEnd = -1;
    for (const QVariant &entry : recognizer.wordsInfo()) {
        const QVariantMap record = entry.toMap();
        EXPECT_EQ(record.size(), 8);
        EXPECT_EQ(record.value("word").typeId(), QMetaType::QString);
        for (const char *key : {"startFrame", "endFrame", "acousticScore", "lmScore", "probability"})
            EXPECT_EQ(record.value(key).typeId(), QMetaType::Int) << key;
        EXPECT_EQ(record.value("logProbability").typeId(), QMetaType::Float);
        EXPECT_EQ(record.value("lmWeightFactor").toFloat(), 6.5f);
        const float posterior = record.value("logProbability").toFloat();
        EXPECT_GE(posterior, 0.0f);
        EXPECT_LE(posterior, 1.01f);
        EXPECT_GT(record.value("startFrame").toInt(), previousEnd);
        previousEnd = record.value("endFrame").toInt();
    }
    const AudioPowerSpectrumInfo &spectrum = recognizer.powerSpectrumInfo();
    EXPECT_EQ(spectrum.spectrumSize, 128);
    EXPECT_GT(previousEnd, 0);
    EXPECT_EQ(spectrum.frameCount, quint64(previousEnd + 1));
    EXPECT_EQ(spectrum.powerData.size(), qsizetype(spectrum.frameCount));
    EXPECT_GT(spectrum.maxPower, 20.0);
}

// A voice and the least score its correct reading must reach.
struct VoiceCase
{
    const char *voice;
    float least;
};

void PrintTo(const VoiceCase &voiceCase, std::ostream *out)
{
    *out << voiceCase.voice;
}

class RecognizerVoice : public Recognizer, public testing::WithParamInterface<VoiceCase>
{
};

TEST_P(RecognizerVoice, CorrectReadingScoresClearlyHigherThanAnotherSentence)
{
    const QString voice = QString::fromLatin1(GetParam().voice);
    const float least = GetParam().least;
    PHRASEBOOK_REQUIRE_OR_SKIP(synthesiserAvailable(QStringLiteral("slt")), "flite");
    PHRASEBOOK_REQUIRE_OR_SKIP(synthesiserAvailable(voice), synthesiserOf(voice));
    const QString wrong = speech(QStringLiteral("slt"), kCost, QStringLiteral("slt-cost"));
    const QString path = speech(voice, kTrain, voice + QStringLiteral("-train"));
    ASSERT_FALSE(wrong.isEmpty()) << "flite could not speak";
    ASSERT_FALSE(path.isEmpty()) << synthesiserOf(voice) << " could not speak";

    ZQPSRecognizer wrongRecognizer;
    recognise(wrongRecognizer, wrong);
    QVariantMap wrongAdvices;
    const float wrongScore = ZQPSRecognizer::getScore(wrongRecognizer.wordsInfo(), kTrain, wrongAdvices);
    ZQPSRecognizer recognizer;
    recognise(recognizer, path);
    QVariantMap advices;
    const float score = ZQPSRecognizer::getScore(recognizer.wordsInfo(), kTrain, advices);
    std::printf("%s: %.2f (\"%s\"), other sentence %.2f\n", qPrintable(voice), double(score),
                qPrintable(recognizer.hypothesis()), double(wrongScore));
    EXPECT_GT(score, least) << recognizer.hypothesis().toStdString();
    EXPECT_GT(score, wrongScore + least / 2);
    EXPECT_TRUE(advices.contains(QStringLiteral("words_score")));
    EXPECT_FALSE(advices.contains(QStringLiteral("no_voice")));
}

// espeak-ng's voice is harder for this acoustic model: a lower bar, still well clear of the
// wrong sentence.
INSTANTIATE_TEST_SUITE_P(Voices, RecognizerVoice,
                         testing::Values(VoiceCase{"slt", 60.0f}, VoiceCase{"kal16", 60.0f},
                                         VoiceCase{"espeak", 25.0f}),
                         [](const testing::TestParamInfo<VoiceCase> &info) { return std::string(info.param.voice); });

TEST_F(Recognizer, SilenceAndNoiseGiveNoVoice)
{
    std::vector<short> noise(32000);
    quint32 state = 12345;
    for (short &sample : noise) {
        state = state * 1664525u + 1013904223u;
        sample = short(int(state >> 16) % 6001 - 3000);
    }
    for (const auto &[name, samples] : {std::pair{QStringLiteral("silence"), silence(2.0)},
                                        std::pair{QStringLiteral("noise"), noise}}) {
        SCOPED_TRACE(name.toStdString());
        const QString path = writeWav(name, samples);
        ASSERT_FALSE(path.isEmpty());
        ZQPSRecognizer recognizer;
        recognise(recognizer, path);
        QVariantMap advices;
        EXPECT_EQ(ZQPSRecognizer::getScore(recognizer.wordsInfo(), kTrain, advices), 0.0f);
        EXPECT_EQ(advices.keys(), QStringList{QStringLiteral("no_voice")});
    }
}

TEST_F(Recognizer, Mp3AndCafOfTheSameSpeechGiveTheSameWords)
{
    PHRASEBOOK_REQUIRE_OR_SKIP(synthesiserAvailable(QStringLiteral("kal16")), "flite");
    const QString wav = speech(QStringLiteral("kal16"), kCost, QStringLiteral("kal16-cost"));
    ASSERT_FALSE(wav.isEmpty()) << "flite could not speak";
    int rate = 0;
    const std::vector<short> samples = SpeechFixture::readAudio(wav, &rate);
    ASSERT_EQ(rate, 16000);
    const QString mp3 = folder() + QStringLiteral("/kal16-cost.mp3");
    const QString caf = folder() + QStringLiteral("/kal16-cost.caf");
    ASSERT_TRUE(SpeechFixture::writeAudio(mp3, SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III, 16000, 1, samples));
    ASSERT_TRUE(SpeechFixture::writeAudio(caf, SF_FORMAT_CAF | SF_FORMAT_ALAC_16, 16000, 1, samples));

    ZQPSRecognizer fromMp3;
    recognise(fromMp3, mp3);
    ZQPSRecognizer fromCaf;
    recognise(fromCaf, caf);
    EXPECT_EQ(words(fromCaf), (QStringList{"HOW", "MUCH", "DOES", "THIS", "COST"}));
    EXPECT_EQ(words(fromMp3), words(fromCaf));
}

TEST_F(Recognizer, ToneBurstsLandOnTheirDecoderFrames)
{
    // 1 s silence, 1000 Hz from 1.0 to 1.5 s, 2 s silence, 2000 Hz from 3.5 to 3.8 s, 1 s silence.
    std::vector<short> samples = silence(1.0);
    append(samples, tone(1000.0, 0.5, 12000.0));
    append(samples, silence(2.0));
    append(samples, tone(2000.0, 0.3, 12000.0));
    append(samples, silence(1.0));
    const QString path = writeWav(QStringLiteral("bursts"), samples);
    ASSERT_FALSE(path.isEmpty());

    const auto [searched, replayed] = decoderAndReplayFrames(samples);
    ASSERT_GT(searched, 0);
    EXPECT_EQ(replayed, searched);

    ZQPSRecognizer recognizer;
    recognise(recognizer, path);
    const AudioPowerSpectrumInfo &spectrum = recognizer.powerSpectrumInfo();
    const QList<qint64> &audioFrames = recognizer.audioFrameOfDecoderFrame();
    ASSERT_EQ(qint64(spectrum.frameCount), searched);
    ASSERT_EQ(audioFrames.size(), searched);
    ASSERT_EQ(recognizer.frameTimes().size(), searched);
    // The silence between the bursts is dropped, so decoder frames are not audio frames.
    const qint64 audioFrameTotal = (qint64(samples.size()) - 410) / 160 + 1;
    EXPECT_LT(searched, audioFrameTotal - 100);
    EXPECT_TRUE(std::is_sorted(audioFrames.begin(), audioFrames.end()));
    EXPECT_EQ(std::adjacent_find(audioFrames.begin(), audioFrames.end()), audioFrames.end());

    // Every audio frame wholly inside a burst is a decoder frame whose row peaks at the
    // burst's bin; every loud row lies inside a burst.
    auto insideBurst = [](qint64 frame, double from, double to) {
        const double start = frame * 0.01;
        return start >= from && start + 0.025625 <= to;
    };
    int burstOneRows = 0;
    int burstTwoRows = 0;
    for (qsizetype row = 0; row < audioFrames.size(); ++row) {
        const QList<double> &power = spectrum.powerData[row];
        const int peak = int(std::max_element(power.begin(), power.end()) - power.begin());
        const qint64 frame = audioFrames[row];
        EXPECT_DOUBLE_EQ(recognizer.frameTimes()[row], frame * 0.01);
        EXPECT_DOUBLE_EQ(recognizer.timeOfDecoderFrame(row), frame * 0.01);
        if (insideBurst(frame, 1.0, 1.5)) {
            EXPECT_EQ(peak, 32) << "row " << row;
            ++burstOneRows;
        } else if (insideBurst(frame, 3.5, 3.8)) {
            EXPECT_EQ(peak, 64) << "row " << row;
            ++burstTwoRows;
        }
        if (power[peak] > 20.0) {
            const double start = frame * 0.01;
            EXPECT_TRUE((start > 0.97 && start < 1.5) || (start > 3.47 && start < 3.8))
                << "loud row " << row << " at " << start << " s";
        }
    }
    EXPECT_EQ(burstOneRows, 48);  // frames starting at 1.00 .. 1.47 s
    EXPECT_EQ(burstTwoRows, 28);  // frames starting at 3.50 .. 3.77 s
}

TEST_F(Recognizer, WordTimesFollowTheAudioAcrossDroppedSilence)
{
    PHRASEBOOK_REQUIRE_OR_SKIP(synthesiserAvailable(QStringLiteral("slt")), "flite");
    const QString trainPath = speech(QStringLiteral("slt"), kTrain, QStringLiteral("slt-train"));
    const QString costPath = speech(QStringLiteral("slt"), kCost, QStringLiteral("slt-cost"));
    ASSERT_FALSE(trainPath.isEmpty() || costPath.isEmpty()) << "flite could not speak";
    const std::vector<short> train = SpeechFixture::readAudio(trainPath);
    const std::vector<short> cost = SpeechFixture::readAudio(costPath);

    // 1 s silence, the first sentence, 1.5 s silence, the second sentence, 1 s silence.
    std::vector<short> samples = silence(1.0);
    append(samples, train);
    append(samples, silence(1.5));
    const double costOffset = double(samples.size()) / 16000.0;
    append(samples, cost);
    append(samples, silence(1.0));
    const QString joined = writeWav(QStringLiteral("joined"), samples);
    ASSERT_FALSE(joined.isEmpty());

    const auto [searched, replayed] = decoderAndReplayFrames(samples);
    ASSERT_GT(searched, 0) << "no decoder";
    EXPECT_EQ(replayed, searched);

    auto startOf = [](const ZQPSRecognizer &recognizer, const QString &word) {
        for (const QVariant &entry : recognizer.wordsInfo()) {
            const QVariantMap record = entry.toMap();
            if (record.value("word").toString().section(QLatin1Char('('), 0, 0) == word)
                return recognizer.timeOfDecoderFrame(record.value("startFrame").toInt());
        }
        return -1.0;
    };
    ZQPSRecognizer whole;
    recognise(whole, joined);
    ZQPSRecognizer first;
    recognise(first, trainPath);
    ZQPSRecognizer second;
    recognise(second, costPath);
    // The context may change a word or two at the sentence boundary; the anchors below are
    // heard in every run.
    for (const char *word : {"WHERE", "STATION", "THIS", "COST"}) {
        ASSERT_TRUE(words(whole).contains(word)) << word;
        ASSERT_TRUE((words(first) + words(second)).contains(word)) << word;
    }
    EXPECT_NEAR(startOf(whole, "WHERE"), startOf(first, "WHERE") + 1.0, 0.03);
    EXPECT_NEAR(startOf(whole, "STATION"), startOf(first, "STATION") + 1.0, 0.03);
    EXPECT_NEAR(startOf(whole, "THIS"), startOf(second, "THIS") + costOffset, 0.03);
    EXPECT_NEAR(startOf(whole, "COST"), startOf(second, "COST") + costOffset, 0.03);
    // Decoder frames are not audio frames: the silences are mostly dropped.
    EXPECT_LT(qint64(whole.powerSpectrumInfo().frameCount), qint64(samples.size() / 160) - 150);
}

TEST_F(Recognizer, FailuresLeaveNoResults)
{
    ZQPSRecognizer recognizer;
    recognise(recognizer, folder() + QStringLiteral("/missing.caf"));
    EXPECT_TRUE(recognizer.wordsInfo().isEmpty());
    EXPECT_TRUE(recognizer.hypothesis().isNull());
    EXPECT_EQ(recognizer.powerSpectrumInfo().frameCount, 0u);

    // An empty recording decodes to no samples and no frames.
    const QString emptyPath = writeWav(QStringLiteral("empty"), {});
    ASSERT_FALSE(emptyPath.isEmpty());
    ZQPSRecognizer empty;
    recognise(empty, emptyPath);
    EXPECT_TRUE(empty.audioData().empty());
    EXPECT_EQ(empty.powerSpectrumInfo().frameCount, 0u);
    EXPECT_EQ(empty.powerSpectrumInfo().maxPower, 0.0);
    EXPECT_TRUE(words(empty).isEmpty());

    const QString path = writeWav(QStringLiteral("short"), tone(500.0, 0.5, 5000.0));
    ASSERT_FALSE(path.isEmpty());
    recognizer.runRecognitionOnWavFileAtPath(path, folder() + QStringLiteral("/none.arpa"),
                                             models().dictionary, SpeechFixture::acousticModelPath(),
                                             false);
    EXPECT_TRUE(recognizer.wordsInfo().isEmpty());
    EXPECT_TRUE(recognizer.audioData().empty());  // no decoder: the file is not even read
    QVariantMap advices;
    EXPECT_EQ(ZQPSRecognizer::getScore(recognizer.wordsInfo(), kTrain, advices), 0.0f);
    EXPECT_TRUE(advices.contains(QStringLiteral("no_voice")));
}

TEST_F(Recognizer, RawFileRun)
{
    PHRASEBOOK_REQUIRE_OR_SKIP(synthesiserAvailable(QStringLiteral("slt")), "flite");
    const QString wav = speech(QStringLiteral("slt"), kMenu, QStringLiteral("slt-menu"));
    ASSERT_FALSE(wav.isEmpty()) << "flite could not speak";
    const std::vector<short> samples = SpeechFixture::readAudio(wav);
    const QString raw = folder() + QStringLiteral("/menu.raw");
    QFile file(raw);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(reinterpret_cast<const char *>(samples.data()), qint64(samples.size() * 2));
    file.close();

    ZQPSRecognizer recognizer;
    testing::internal::CaptureStdout();
    const int status = recognizer.runRecognitionOnRawFileAtPath(raw, models().languageModel,
                                                                models().dictionary,
                                                                SpeechFixture::acousticModelPath());
    const std::string printed = testing::internal::GetCapturedStdout();
    EXPECT_EQ(status, 0);
    EXPECT_EQ(printed, "Recognized: CAN I SEE THE MENU PLEASE\n");
    EXPECT_EQ(words(recognizer), (QStringList{"CAN", "I", "SEE", "THE", "MENU", "PLEASE"}));

    EXPECT_EQ(recognizer.runRecognitionOnRawFileAtPath(folder() + QStringLiteral("/none.raw"),
                                                       models().languageModel, models().dictionary,
                                                       SpeechFixture::acousticModelPath()),
              1);
}
