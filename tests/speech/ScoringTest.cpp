#include "SpeechFixture.h"
#include "speech/ZQPSRecognizer.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

namespace {

QVariantList records(std::initializer_list<std::pair<const char *, float>> words)
{
    QVariantList list;
    for (const auto &[word, posterior] : words) {
        QVariantMap record;
        record.insert(QStringLiteral("word"), QString::fromLatin1(word));
        record.insert(QStringLiteral("logProbability"), QVariant::fromValue(posterior));
        list.append(record);
    }
    return list;
}

} // namespace

// The two worked examples; the expected values are the exact single-precision results.
TEST(Scoring, WorkedExampleWithWordsOutOfOrder)
{
    QVariantMap advices;
    const float score = ZQPSRecognizer::getScore(
        records({{"<s>", 1.0f}, {"HELLO", 0.75f}, {"FRIEND", 0.5f}, {"MY", 0.25f}, {"</s>", 1.0f}}),
        QStringLiteral("Hello my friend"), advices);
    EXPECT_EQ(score, 67.9643936f);
    EXPECT_TRUE(advices.contains(QStringLiteral("wrong_sequence")));
    EXPECT_EQ(advices.value(QStringLiteral("wrong_sequence")).toString(),
              QStringLiteral("Problems a bit in word sequence"));
    EXPECT_EQ(advices.value(QStringLiteral("words_score")).toString(),
              QStringLiteral("HELLO:75;MY:25;FRIEND:50"));
    EXPECT_EQ(advices.size(), 2);
}

TEST(Scoring, WorkedExampleWithAnExtraWord)
{
    QVariantMap advices;
    const float score = ZQPSRecognizer::getScore(
        records({{"HELLO", 0.75f}, {"BIG", 0.5f}, {"FRIEND", 0.5f}}), QStringLiteral("Hello my friend"),
        advices);
    EXPECT_EQ(score, 61.9722214f);
    EXPECT_EQ(advices.value(QStringLiteral("words_score")).toString(),
              QStringLiteral("HELLO:75;MY:0;FRIEND:50"));
    EXPECT_EQ(advices.size(), 1);
}

TEST(Scoring, NothingOrNothingRightHeard)
{
    QVariantMap advices;
    EXPECT_EQ(ZQPSRecognizer::getScore(records({{"<s>", 1.0f}, {"<sil>", 0.9f}, {"</s>", 1.0f}}),
                                       QStringLiteral("Hello"), advices),
              0.0f);
    EXPECT_EQ(advices, (QVariantMap{{QStringLiteral("no_voice"), QStringLiteral("No voice detected")}}));
    advices.clear();
    EXPECT_EQ(ZQPSRecognizer::getScore({}, QStringLiteral("Hello"), advices), 0.0f);
    EXPECT_TRUE(advices.contains(QStringLiteral("no_voice")));

    advices.clear();
    EXPECT_EQ(ZQPSRecognizer::getScore(records({{"COST", 0.9f}}), QStringLiteral("Where is it?"), advices),
              0.0f);
    EXPECT_EQ(advices, (QVariantMap{{QStringLiteral("no_right_word"),
                                     QStringLiteral("No correct words detected")}}));
    advices.clear();
    EXPECT_EQ(ZQPSRecognizer::getScore(records({{"COST", 0.9f}}), QStringLiteral("42 !!"), advices), 0.0f);
    EXPECT_TRUE(advices.contains(QStringLiteral("no_right_word")));
}

TEST(Scoring, AlternativePronunciationAndDecimalText)
{
    QVariantMap advices;
    // 0.665 x 100 in single precision is 66.5; one word of one: average 66.5, no penalty.
    const float score = ZQPSRecognizer::getScore(records({{"<s>", 1.0f}, {"hello(2)", 0.665f}}),
                                                 QStringLiteral("Hello!"), advices);
    EXPECT_NEAR(score, 66.5f * (1.0f - 0.665f) + 66.5f, 1e-4);
    EXPECT_EQ(advices.value(QStringLiteral("words_score")).toString(), QStringLiteral("HELLO:66.5"));
    EXPECT_FALSE(advices.contains(QStringLiteral("wrong_sequence")));
}

TEST(Scoring, SurplusRepetitionsAreRemoved)
{
    // "go go" heard three times: one GO is removed, the score list keeps its entries, so
    // the two matched words count 90 and 60.
    QVariantMap advices;
    EXPECT_EQ(ZQPSRecognizer::getScore(records({{"GO", 0.9f}, {"GO", 0.6f}, {"GO", 0.3f}}),
                                       QStringLiteral("go go"), advices),
              93.75f);
    EXPECT_EQ(advices.value(QStringLiteral("words_score")).toString(), QStringLiteral("GO:90;GO:90"));

    // Four GO for one: the walk skips the entry that moves into a freed slot, so two
    // remain; their scores (90, 60) average to 150 over the one expected word, and the
    // curve brings that back to 75.
    advices.clear();
    EXPECT_EQ(ZQPSRecognizer::getScore(
                  records({{"GO", 0.9f}, {"GO", 0.6f}, {"GO", 0.3f}, {"GO", 0.2f}}),
                  QStringLiteral("Go."), advices),
              75.0f);
    EXPECT_FALSE(advices.contains(QStringLiteral("wrong_sequence")));
}

TEST(Scoring, OrderErrors)
{
    QVariantMap advices;
    // Both positions wrong (2 > 1): advice set, penalty 100 x 0.1.
    const float swapped = ZQPSRecognizer::getScore(records({{"GO", 0.8f}, {"STOP", 0.8f}}),
                                                   QStringLiteral("stop go"), advices);
    EXPECT_TRUE(advices.contains(QStringLiteral("wrong_sequence")));
    EXPECT_NEAR(swapped, 70.0f * 0.3f + 70.0f, 1e-4);

    // One wrong position of two: expected order GO GO STOP against GO STOP.
    advices.clear();
    ZQPSRecognizer::getScore(records({{"GO", 0.8f}, {"STOP", 0.8f}}), QStringLiteral("go go stop"),
                             advices);
    EXPECT_FALSE(advices.contains(QStringLiteral("wrong_sequence")));
    EXPECT_EQ(advices.value(QStringLiteral("words_score")).toString(),
              QStringLiteral("GO:80;GO:80;STOP:80"));

    // A single matched word is never out of order.
    advices.clear();
    ZQPSRecognizer::getScore(records({{"STOP", 0.8f}}), QStringLiteral("go stop"), advices);
    EXPECT_FALSE(advices.contains(QStringLiteral("wrong_sequence")));
}

TEST(Scoring, NegativeResultEndsAtZeroWithWordScores)
{
    QVariantMap advices;
    const float score = ZQPSRecognizer::getScore(
        records({{"HELLO", 0.01f}, {"A", 0.9f}, {"B", 0.9f}, {"C", 0.9f}, {"D", 0.9f}}),
        QStringLiteral("hello"), advices);
    EXPECT_EQ(score, 0.0f);
    EXPECT_EQ(advices.value(QStringLiteral("words_score")).toString(), QStringLiteral("HELLO:1"));
    EXPECT_FALSE(advices.contains(QStringLiteral("no_right_word")));

    // A perfect reading stays at 100.
    advices.clear();
    EXPECT_EQ(ZQPSRecognizer::getScore(records({{"HELLO", 1.0f}}), QStringLiteral("hello"), advices),
              100.0f);
}

TEST(Scoring, WordSplittingAndCounts)
{
    EXPECT_EQ(ZQPSRecognizer::getAllWordFromText(QStringLiteral("Hello, it's my friend!"), false),
              (QStringList{"Hello", "it's", "my", "friend"}));
    // Only the a-z/apostrophe run right before a separator counts.
    EXPECT_EQ(ZQPSRecognizer::getAllWordFromText(QStringLiteral("x-ray café 42 don't\tgo?no"), true),
              (QStringList{"RAY", "DON'T", "GO", "NO"}));
    EXPECT_TRUE(ZQPSRecognizer::getAllWordFromText(QString(), true).isEmpty());

    const QVariantList counts = ZQPSRecognizer::getWordsCount(QStringLiteral("go Go stop go."));
    ASSERT_EQ(counts.size(), 2);
    EXPECT_EQ(counts[0].toMap(), (QVariantMap{{QStringLiteral("GO"), 3}}));
    EXPECT_EQ(counts[1].toMap(), (QVariantMap{{QStringLiteral("STOP"), 1}}));
}

// A cough or a murmur comes out of the decoder as a filler of the acoustic model's noise
// dictionary; it is silence to the score, not a heard (extra, or only) word.
TEST(Scoring, NoiseFillersAreNotHeardWords)
{
    const QSet<QString> fillers = ZQPSRecognizer::fillerWords(SpeechFixture::acousticModelPath());
    for (const char *word : {"<s>", "</s>", "<sil>", "[NOISE]", "[SPEECH]"})
        EXPECT_TRUE(fillers.contains(QString::fromLatin1(word))) << word;
    EXPECT_EQ(ZQPSRecognizer::fillerWords(QStringLiteral("/nonexistent/model")),
              (QSet<QString>{"<s>", "</s>", "<sil>"}));

    const QString sentence = QStringLiteral("Hello my friend");
    QVariantMap clean;
    const float cleanScore = ZQPSRecognizer::getScore(
        records({{"<s>", 1.0f}, {"HELLO", 0.75f}, {"MY", 0.5f}, {"FRIEND", 0.5f}}), sentence, clean, fillers);
    QVariantMap noisy;
    const float noisyScore = ZQPSRecognizer::getScore(
        records({{"<s>", 1.0f}, {"HELLO", 0.75f}, {"[NOISE]", 0.9f}, {"MY", 0.5f}, {"[SPEECH]", 0.4f},
                 {"FRIEND", 0.5f}}),
        sentence, noisy, fillers);
    EXPECT_GT(cleanScore, 0.0f);
    EXPECT_EQ(noisyScore, cleanScore);
    EXPECT_EQ(noisy, clean);

    QVariantMap onlyNoise;
    EXPECT_EQ(ZQPSRecognizer::getScore(records({{"<s>", 1.0f}, {"[NOISE]", 0.9f}, {"</s>", 1.0f}}), sentence,
                                       onlyNoise, fillers),
              0.0f);
    EXPECT_EQ(onlyNoise.keys(), QStringList{QStringLiteral("no_voice")});
}
