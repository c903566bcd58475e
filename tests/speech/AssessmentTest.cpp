// The alignment-based assessment on flite speech: word order and times inside the audio,
// an omitted word, a substituted word, silence, failures, and the comparison engine filling
// the assessment of the recording and of the model voice.
#include "BuiltModelTest.h"
#include "SpeechFixture.h"
#include "speech/PronunciationAssessor.h"
#include "speech/PronunciationComparison.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QFileInfo>

#include <sndfile.h>

#include <algorithm>

namespace {
const QString kTrain = QStringLiteral("Where is the train station?");

QStringList wordsOf(const AssessmentResult &result)
{
    QStringList words;
    for (const WordAssessment &word : result.words)
        words.append(word.word);
    return words;
}

class Assessment : public BuiltModelTest
{
protected:
    Assessment() : BuiltModelTest(QStringLiteral("assessment")) {}
    // flite's reading of `text` (slt), between `before` and `after` seconds of silence.
    std::vector<short> reading(const QString &text, double before = 0.3, double after = 0.3)
    {
        const QString path = SpeechFixture::synthesise(QStringLiteral("slt"), text, folder, QStringLiteral("r%1").arg(++count));
        if (path.isEmpty())
            return {};
        std::vector<short> samples = SpeechFixture::silence(before);
        SpeechFixture::append(samples, SpeechFixture::readAudio(path));
        SpeechFixture::append(samples, SpeechFixture::silence(after));
        return samples;
    }

    PronunciationAssessor assessor{SpeechFixture::acousticModelPath()};
    int count = 0;
};
}

TEST_F(Assessment, AlignsEveryWordInOrderAtItsPlaceInTheAudio)
{
    const std::vector<short> samples = reading(kTrain, 1.5, 0.5);
    PHRASEBOOK_REQUIRE_OR_SKIP(!samples.empty(), "flite");
    const qint64 durationMs = qint64(samples.size()) / 16;
    const AssessmentResult result = assessor.assess(samples, kTrain);
    ASSERT_TRUE(result.valid);
    EXPECT_EQ(wordsOf(result), QStringList({"where", "is", "the", "train", "station"}));
    // The first word starts after the leading silence the decoder drops.
    EXPECT_GT(result.words.front().startMs, 1400);
    EXPECT_LT(result.words.front().startMs, 1700);
    EXPECT_LT(result.words.back().endMs, durationMs - 300);
    qint64 previousEnd = 0;
    for (const WordAssessment &word : result.words) {
        EXPECT_FALSE(word.omitted) << word.word.toStdString();
        EXPECT_EQ(word.mark, WordMark::None) << word.word.toStdString();
        EXPECT_GE(word.startMs, previousEnd) << word.word.toStdString();
        EXPECT_LT(word.startMs, word.endMs) << word.word.toStdString();
        ASSERT_FALSE(word.phones.empty());
        // The phones tile the word.
        EXPECT_EQ(word.phones.front().startMs, word.startMs);
        EXPECT_EQ(word.phones.back().endMs, word.endMs);
        for (const PhoneAssessment &phone : word.phones) {
            EXPECT_FALSE(phone.ipa.isEmpty());
            EXPECT_GE(phone.score, 0.0f);
            EXPECT_LE(phone.score, 100.0f);
        }
        previousEnd = word.endMs;
    }
    EXPECT_GT(result.accuracy, 50.0f);
    // "station" is S T EY SH AH N; its vowel sounds as the IPA says.
    const WordAssessment &station = result.words.back();
    ASSERT_EQ(station.phones.size(), 6u);
    EXPECT_EQ(station.phones[2].phone, QStringLiteral("EY"));
    EXPECT_EQ(station.phones[2].ipa, QStringLiteral("eɪ"));
}

TEST_F(Assessment, AWordLeftOutIsOmittedAndMarkedWrong)
{
    const std::vector<short> samples = reading(QStringLiteral("Where is the station?"));
    PHRASEBOOK_REQUIRE_OR_SKIP(!samples.empty(), "flite");
    const AssessmentResult result = assessor.assess(samples, kTrain);
    ASSERT_TRUE(result.valid);
    ASSERT_EQ(result.words.size(), 5u);
    for (size_t i = 0; i < result.words.size(); ++i) {
        const WordAssessment &word = result.words[i];
        EXPECT_EQ(word.omitted, i == 3) << word.word.toStdString();
        EXPECT_EQ(word.mark == WordMark::Wrong, i == 3) << word.word.toStdString();
    }
    EXPECT_EQ(result.words[3].startMs, 0);
    EXPECT_EQ(result.words[3].accuracy, 0.0f);
    // Leaving a word out costs accuracy.
    const AssessmentResult whole = assessor.assess(reading(kTrain), kTrain);
    EXPECT_LT(result.accuracy, whole.accuracy);
}

TEST_F(Assessment, ASubstitutedWordScoresBelowTheOthers)
{
    const std::vector<short> samples = reading(QStringLiteral("Where is the bus station?"));
    PHRASEBOOK_REQUIRE_OR_SKIP(!samples.empty(), "flite");
    const AssessmentResult result = assessor.assess(samples, kTrain);
    ASSERT_TRUE(result.valid);
    ASSERT_EQ(result.words.size(), 5u);
    const WordAssessment &train = result.words[3];
    for (const WordAssessment &word : result.words) {
        if (&word != &train) {
            EXPECT_LT(train.accuracy, word.accuracy) << word.word.toStdString();
        }
    }
}

TEST_F(Assessment, SilenceOmitsEveryWordAndScoresZero)
{
    const AssessmentResult result = assessor.assess(SpeechFixture::silence(2.0), kTrain);
    ASSERT_TRUE(result.valid);
    EXPECT_EQ(result.accuracy, 0.0f);
    ASSERT_EQ(result.words.size(), 5u);
    for (const WordAssessment &word : result.words) {
        EXPECT_TRUE(word.omitted) << word.word.toStdString();
        EXPECT_EQ(word.mark, WordMark::Wrong);
        EXPECT_EQ(word.accuracy, 0.0f);
    }
}

TEST_F(Assessment, FailuresGiveAnInvalidResultAndUnknownWordsStayUnscored)
{
    const std::vector<short> samples = reading(QStringLiteral("Where is the train station?"));
    PHRASEBOOK_REQUIRE_OR_SKIP(!samples.empty(), "flite");
    // No word the lookup list knows; no acoustic model; no readable audio.
    EXPECT_FALSE(assessor.assess(samples, QStringLiteral("Xqzvw bfrtk")).valid);
    EXPECT_FALSE(PronunciationAssessor(folder + QStringLiteral("/none")).assess(samples, kTrain).valid);
    EXPECT_FALSE(assessor.assessFile(folder + QStringLiteral("/missing.wav"), kTrain).valid);
    const AssessmentResult result = assessor.assess(samples, QStringLiteral("Where is the xqzvw train station?"));
    ASSERT_TRUE(result.valid);
    ASSERT_EQ(result.words.size(), 6u);
    EXPECT_EQ(result.words[3].word, QStringLiteral("xqzvw"));
    EXPECT_TRUE(result.words[3].phones.empty());
    EXPECT_FALSE(result.words[3].omitted);
    EXPECT_FALSE(result.words[4].omitted);
}

TEST_F(Assessment, TheComparisonAssessesTheRecordingAndAlignsTheModelVoice)
{
    const QString voice = SpeechFixture::synthesise(QStringLiteral("slt"), kTrain, folder, QStringLiteral("voice"));
    const QString recording = writeWav(QStringLiteral("recording"), reading(kTrain, 1.0, 0.2));
    PHRASEBOOK_REQUIRE_OR_SKIP(!voice.isEmpty() && !recording.isEmpty(), "flite");
    ComparisonRequest request;
    request.expectedSentence = kTrain;
    request.phraseContents = {kTrain};
    request.standardAudioPath = voice;
    request.acousticModelPath = SpeechFixture::acousticModelPath();
    request.modelDirectory = folder + QStringLiteral("/lm");
    {
        PronunciationComparison plain(request);
        const ComparisonResult result = plain.compare(recording);
        EXPECT_FALSE(result.assessment || result.standardAssessment);
    }
    request.assess = true;
    PronunciationComparison comparison(request);
    comparison.prepare();
    const ComparisonResult result = comparison.compare(recording);
    ASSERT_TRUE(result.assessment && result.standardAssessment);
    EXPECT_TRUE(result.assessment->valid && result.standardAssessment->valid);
    EXPECT_EQ(wordsOf(*result.assessment), wordsOf(*result.standardAssessment));
    // The recording starts a second later than the model voice.
    EXPECT_GT(result.assessment->words.front().startMs, result.standardAssessment->words.front().startMs + 800);
    // The score beside it is the comparison's own, as without the assessment.
    EXPECT_GT(result.score, 80.0f);
    // An unreadable recording is assessed as invalid, not as silence.
    const ComparisonResult broken = comparison.compare(folder + QStringLiteral("/missing.wav"));
    ASSERT_TRUE(broken.assessment);
    EXPECT_FALSE(broken.assessment->valid);
}

// Marks: unmarked by default; wrong for an omitted word or a sound heard as another at a
// poorly scored phone; weak for a phone far below the recording's own average.
TEST(AssessmentMarks, MarkOnlyStrongEvidence)
{
    auto word = [](const QString &text, std::vector<float> raws) {
        WordAssessment result;
        result.word = text;
        for (const float raw : raws) {
            PhoneAssessment phone;
            phone.phone = QStringLiteral("AH");
            phone.rawScore = raw;
            phone.score = raw < -80.0f ? 10.0f : 90.0f;
            result.phones.push_back(phone);
        }
        return result;
    };
    AssessmentResult result;
    for (int i = 0; i < 6; ++i)
        result.words.push_back(word(QStringLiteral("w%1").arg(i), {-20.0f, -22.0f, -18.0f, -21.0f}));
    result.words[1] = word(QStringLiteral("low"), {-20.0f, -150.0f, -19.0f});
    result.words[2] = word(QStringLiteral("heard"), {-20.0f, -21.0f, -19.0f});
    result.words[2].phones[1].heard = QStringLiteral("AE");  // heard, but the phone scores well
    result.words[3] = word(QStringLiteral("swapped"), {-85.0f, -20.0f});
    result.words[3].phones[0].heard = QStringLiteral("AE");
    result.words[4].omitted = true;
    PronunciationAssessor::markWords(result);
    EXPECT_EQ(result.words[0].mark, WordMark::None);
    EXPECT_EQ(result.words[1].mark, WordMark::Weak);
    EXPECT_EQ(result.words[1].weakPhone, 1);
    EXPECT_EQ(result.words[2].mark, WordMark::None);
    EXPECT_EQ(result.words[3].mark, WordMark::Wrong);
    EXPECT_EQ(result.words[3].weakPhone, 0);
    EXPECT_EQ(result.words[4].mark, WordMark::Wrong);
    EXPECT_EQ(result.words[4].weakPhone, -1);
    EXPECT_EQ(result.words[5].mark, WordMark::None);

    // Too few phones to know the speaker's average: no weak marks.
    AssessmentResult shortOne;
    shortOne.words.push_back(word(QStringLiteral("low"), {-20.0f, -150.0f}));
    PronunciationAssessor::markWords(shortOne);
    EXPECT_EQ(shortOne.words[0].mark, WordMark::None);
}
