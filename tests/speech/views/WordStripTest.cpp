// Where the words of an assessment go on the learner's voiceprint: spans on the columns
// their frames draw (a pause the decoder dropped takes no room), omitted words where they
// were expected, labels on two rows that never overlap, and the weak sound's note.
#include "ViewsTestFixture.h"

#include "speech/PhoneSymbols.h"
#include "speech/views/WordStripLayout.h"

#include <QFontMetricsF>

namespace {
using Item = WordStripLayout::Item;

WordAssessment word(const QString &text, qint64 startMs, qint64 endMs, WordMark mark = WordMark::None)
{
    WordAssessment result;
    result.word = text;
    result.startMs = startMs;
    result.endMs = endMs;
    result.mark = mark;
    return result;
}

WordAssessment omitted(const QString &text)
{
    WordAssessment result = word(text, 0, 0, WordMark::Wrong);
    result.omitted = true;
    return result;
}

// "train" with its sounds; `weak` names one of them, heard instead as `heard`.
WordAssessment train(qint64 startMs, qint64 endMs, int weak, const QString &heard)
{
    WordAssessment result = word(QStringLiteral("train"), startMs, endMs, WordMark::Weak);
    for (const char *phone : {"T", "R", "EY", "N"})
        result.phones.push_back({QString::fromLatin1(phone), QString(), 40.0f, QString(), 0, 0});
    result.weakPhone = weak;
    if (weak >= 0 && weak < int(result.phones.size()))
        result.phones[size_t(weak)].heard = heard;
    return result;
}

// Speech from 0 to 0.4 s (frames 0-39) and from 1.2 s (frames 40-79): the decoder dropped
// the 0.8 s between.
QList<double> framesWithADroppedPause()
{
    QList<double> times;
    for (int i = 0; i < 40; ++i)
        times.append(i * 0.01);
    for (int i = 0; i < 40; ++i)
        times.append(1.2 + i * 0.01);
    return times;
}

void expectRowsApart(const QList<Item> &items, qreal width)
{
    for (int i = 0; i < items.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_GE(items[i].label.left(), 0);
        EXPECT_LE(items[i].label.right(), width + 1e-9);
        EXPECT_DOUBLE_EQ(items[i].label.top(), WordStripLayout::kTop + (i % 2) * WordStripLayout::kRowHeight);
        if (i >= 2) {
            EXPECT_LE(items[i - 2].label.right(), items[i].label.left() + 1e-9) << "labels of one row overlap";
        }
    }
}
}

TEST(WordStripLayout, WordsLieOnTheColumnsOfTheirFrames)
{
    AssessmentResult result;
    result.valid = true;
    result.words = {word(QStringLiteral("where"), 100, 300), omitted(QStringLiteral("is")),
                    word(QStringLiteral("the"), 350, 1250),  // across the dropped pause
                    train(1250, 1600, 1, QStringLiteral("L")), omitted(QStringLiteral("station"))};
    const QSizeF size(200, 128);
    const QList<Item> items = WordStripLayout::layOut(result, framesWithADroppedPause(), 2.0, size);
    ASSERT_EQ(items.size(), 5);

    EXPECT_EQ(items[0].span, QRectF(20, 0, 40, 128));
    EXPECT_EQ(items[2].span, QRectF(70, 0, 20, 128)) << "0.9 s of audio, 10 frames: the pause takes no room";
    EXPECT_EQ(items[3].span, QRectF(90, 0, 70, 128));
    // Omitted words stand where they were expected, zero wide, a finger wide to tap.
    EXPECT_TRUE(items[1].omitted);
    EXPECT_EQ(items[1].span, QRectF(65, 0, 0, 128)) << "midway between 'where' and 'the'";
    EXPECT_EQ(items[1].hitArea, QRectF(65 - WordStripLayout::kMinimumHitWidth / 2, 0,
                                       WordStripLayout::kMinimumHitWidth, 128));
    EXPECT_DOUBLE_EQ(items[4].span.left(), 160) << "after the last word said";
    EXPECT_EQ(items[0].hitArea, items[0].span) << "wide enough already";
    EXPECT_DOUBLE_EQ(items[2].hitArea.width(), 20);

    expectRowsApart(items, size.width());
    EXPECT_EQ(items[0].text, QStringLiteral("where"));
    EXPECT_NEAR(items[0].label.center().x(), items[0].span.center().x(), 1e-9) << "room to centre it";

    // Only the marked word with a named sound has a note, on the third row.
    EXPECT_EQ(items[3].noteText, QStringLiteral("/ɹ/→[l]"));
    EXPECT_DOUBLE_EQ(items[3].note.top(), WordStripLayout::kTop + 2 * WordStripLayout::kRowHeight);
    EXPECT_NEAR(items[3].note.center().x(), items[3].span.center().x(), 1e-9);
    for (int i : {0, 1, 2, 4})
        EXPECT_TRUE(items[i].note.isEmpty()) << i;

    // Without frame times, columns are 10 ms apart.
    EXPECT_DOUBLE_EQ(WordStripLayout::columnAt({}, 1250), 125);
    EXPECT_DOUBLE_EQ(WordStripLayout::columnAt(framesWithADroppedPause(), 5000), 80) << "held to the last column";
}

TEST(WordStripLayout, CrowdedWordsAreElidedWithinTheirShareOfTheRow)
{
    AssessmentResult result;
    result.valid = true;
    for (int i = 0; i < 6; ++i)
        result.words.push_back(word(QStringLiteral("extraordinarily"), i * 600, i * 600 + 600));  // 60 columns each
    result.words.insert(result.words.begin() + 2, {omitted(QStringLiteral("a")), omitted(QStringLiteral("b"))});
    const QList<Item> items = WordStripLayout::layOut(result, {}, 1.0, QSizeF(360, 100));
    ASSERT_EQ(items.size(), 8);
    expectRowsApart(items, 360);
    EXPECT_TRUE(items[0].text.endsWith(QChar(0x2026))) << items[0].text.toStdString();
    const QFontMetricsF metrics(WordStripLayout::wordFont(false));
    EXPECT_LE(metrics.horizontalAdvance(items[0].text), items[0].label.width());
    // Two omitted in a row are set a finger apart about the point between their neighbours.
    EXPECT_DOUBLE_EQ(items[3].span.left() - items[2].span.left(), WordStripLayout::kMinimumHitWidth);
    EXPECT_DOUBLE_EQ((items[2].span.left() + items[3].span.left()) / 2, 120);
    // Every word said keeps its own span however crowded the labels are.
    EXPECT_EQ(items[7].span, QRectF(300, 0, 60, 100));

    // Nothing said at all: the omitted words are spread over the strip.
    AssessmentResult silent;
    silent.valid = true;
    silent.words = {omitted(QStringLiteral("where")), omitted(QStringLiteral("is"))};
    const QList<Item> spread = WordStripLayout::layOut(silent, {}, 1.0, QSizeF(200, 100));
    EXPECT_DOUBLE_EQ(spread[0].span.left(), 50);
    EXPECT_DOUBLE_EQ(spread[1].span.left(), 150);
    EXPECT_TRUE(spread[0].hitArea.left() >= 0 && spread[1].hitArea.right() <= 200);
}

TEST(WordStripLayout, TheNoteNamesTheWeakSoundAndWhatWasHeard)
{
    EXPECT_EQ(WordStripLayout::noteText(train(0, 100, 2, QString())), QStringLiteral("/eɪ/"));
    EXPECT_EQ(WordStripLayout::noteText(train(0, 100, 0, QStringLiteral("ch"))), QStringLiteral("/t/→[tʃ]"));
    // A sound already written in IPA is shown as it is, so is the given IPA of the target.
    WordAssessment given = train(0, 100, 1, QStringLiteral("w"));
    given.phones[1].ipa = QStringLiteral("r");
    EXPECT_EQ(WordStripLayout::noteText(given), QStringLiteral("/r/→[w]"));
    given.phones[1].heard = QStringLiteral("β");
    EXPECT_EQ(WordStripLayout::noteText(given), QStringLiteral("/r/→[β]"));

    // No note: no sound named, an index outside the sounds, an unmarked or omitted word.
    EXPECT_TRUE(WordStripLayout::noteText(train(0, 100, -1, QString())).isEmpty());
    EXPECT_TRUE(WordStripLayout::noteText(train(0, 100, 4, QString())).isEmpty());
    WordAssessment plain = train(0, 100, 1, QString());
    plain.mark = WordMark::None;
    EXPECT_TRUE(WordStripLayout::noteText(plain).isEmpty());
    WordAssessment missing = train(0, 0, 1, QString());
    missing.omitted = true;
    EXPECT_TRUE(WordStripLayout::noteText(missing).isEmpty());

    EXPECT_EQ(PhoneSymbols::ipa(QStringLiteral("ae1")), QStringLiteral("æ"));
    EXPECT_EQ(PhoneSymbols::ipa(QStringLiteral("TH")), QStringLiteral("θ"));
    EXPECT_TRUE(PhoneSymbols::ipa(QStringLiteral("SIL")).isEmpty());
    EXPECT_TRUE(PhoneSymbols::ipa(QString()).isEmpty());
}
