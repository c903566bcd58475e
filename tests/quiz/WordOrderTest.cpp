// The word-order quiz: the work area and its tiles, dragging with the mouse through the
// tiles' pan recognisers (re-packing, duplicates, dropping first, the clamp of a scrolled
// area), grading by the words alone and the result table's corrected colour.
#include "QuizFixture.h"

#include "platform/ui/Label.h"
#include "platform/ui/ScrollView.h"
#include "platform/ui/TableViewCell.h"
#include "platform/ui/ViewSupport.h"
#include "quiz/CommonResultCellView.h"
#include "quiz/DraggableWordView.h"
#include "quiz/WordOrderAdjustVC.h"

#include <QApplication>
#include <algorithm>
#include <QMouseEvent>
#include <QTest>

namespace {
class WordOrderTest : public QuizFixture
{
protected:
    // A shown quiz whose current question reads `content`, laid out in `shuffled` order.
    std::unique_ptr<WordOrderAdjustVC> quizAsking(const QString &content, const QStringList &shuffled)
    {
        auto quiz = makeQuiz<WordOrderAdjustVC>();
        quiz->view()->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(quiz->view()));
        quiz->phraseInfos().at(quiz->currIndex())->content = content;
        quiz->layoutWords(content, shuffled);
        return quiz;
    }

    static QStringList rowWords(WordOrderAdjustVC *quiz)
    {
        QList<DraggableWordView *> tiles = quiz->wordViews();
        std::sort(tiles.begin(), tiles.end(),
                  [](auto *a, auto *b) { return ViewSupport::frame(a).x() < ViewSupport::frame(b).x(); });
        QStringList words;
        for (DraggableWordView *tile : tiles)
            words << tile->text();
        return words;
    }

    static DraggableWordView *tileAt(WordOrderAdjustVC *quiz, int place)
    {
        QList<DraggableWordView *> tiles = quiz->wordViews();
        std::sort(tiles.begin(), tiles.end(),
                  [](auto *a, auto *b) { return ViewSupport::frame(a).x() < ViewSupport::frame(b).x(); });
        return tiles.value(place);
    }

    void send(QWidget *tile, QEvent::Type type, const QPointF &global)
    {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, tile->mapFromGlobal(global), global, button, held, Qt::NoModifier);
        event.setTimestamp(++timestamp);
        QApplication::sendEvent(tile, &event);
    }

    // Presses the tile at its centre, moves the mouse by `offset` (points, in ten steps) and
    // releases it there, as a learner drags it.
    void drag(DraggableWordView *tile, const QPointF &offset)
    {
        const QPointF start = tile->mapToGlobal(ViewSupport::bounds(tile).center());
        send(tile, QEvent::MouseButtonPress, start);
        for (int step = 1; step <= 10; ++step) {
            clock.advance(16);
            send(tile, QEvent::MouseMove, start + offset * step / 10.0);
        }
        send(tile, QEvent::MouseButtonRelease, start + offset);
    }

    quint64 timestamp = 5000000;
};
}

TEST_F(WordOrderTest, TheWordsOfAPhraseLieAsTilesPackedInTheMiddleOfTheWorkArea)
{
    auto quiz = quizAsking(QStringLiteral("Where is the station?"), {});
    EXPECT_EQ(quiz->standardOrderedWords(), QStringList({"Where", "is", "the", "station"}));
    QStringList drawn = quiz->randomOrderedWords();
    std::sort(drawn.begin(), drawn.end());
    EXPECT_EQ(drawn, QStringList({"Where", "is", "station", "the"}));
    EXPECT_EQ(quiz->testOrderedWords(), quiz->randomOrderedWords());
    EXPECT_EQ(rowWords(quiz.get()), quiz->randomOrderedWords());

    // 667 points high: a 250-point work area 30 points below the status panel, tiles 50 high.
    const QRectF area = ViewSupport::frame(quiz->wordOrderAdjustView());
    EXPECT_EQ(area, QRectF(0, ViewSupport::frame(quiz->quizInfoView()).bottom() + 30, 375, 250));
    qreal total = 0;
    for (DraggableWordView *tile : quiz->wordViews()) {
        const QRectF frame = ViewSupport::frame(tile);
        EXPECT_EQ(frame.height(), 50.0);
        EXPECT_EQ(frame.y(), 100.0);
        EXPECT_GE(frame.width(), 45.0);
        EXPECT_EQ(tile->font().pixelSize(), 25);
        total += frame.width() + 5;
    }
    // "is" is narrower than the minimum; "station" is wider.
    EXPECT_EQ(ViewSupport::frame(quiz->wordViews().at(quiz->randomOrderedWords().indexOf(QStringLiteral("is")))).width(), 45.0);
    EXPECT_GT(ViewSupport::frame(quiz->wordViews().at(quiz->randomOrderedWords().indexOf(QStringLiteral("station")))).width(), 45.0);
    EXPECT_DOUBLE_EQ(quiz->startX(), (375 - total) / 2);
    EXPECT_DOUBLE_EQ(ViewSupport::frame(tileAt(quiz.get(), 0)).x(), quiz->startX());
    EXPECT_DOUBLE_EQ(quiz->wordOrderAdjustView()->contentSize().width(), ViewSupport::frame(tileAt(quiz.get(), 3)).right());
    EXPECT_DOUBLE_EQ(ViewSupport::frame(tileAt(quiz.get(), 3)).right(), quiz->startX() + total - 5);
    // The hint sits 10 points above Submit.
    EXPECT_EQ(ViewSupport::frame(quiz->tipLbl()).bottom(), ViewSupport::frame(quiz->submitBtn()).top() - 10);

    // Small and large screens get smaller and larger areas.
    useDevice(QSizeF(320, 480));
    EXPECT_EQ(makeQuiz<WordOrderAdjustVC>()->workAreaH(), 200.0);
    useDevice(QSizeF(768, 1024));
    EXPECT_EQ(makeQuiz<WordOrderAdjustVC>()->workAreaH(), 400.0);
}

TEST_F(WordOrderTest, DraggingTheTilesIntoOrderScoresAndTheResultRowShowsTheWordsInGreen)
{
    auto quiz = quizAsking(QStringLiteral("Where is the station?"), {"station", "Where", "is", "the"});
    const PhraseInfoPtr question = quiz->phraseInfos().at(0);
    // "station" goes to the right end: the row closes up behind it.
    DraggableWordView *station = tileAt(quiz.get(), 0);
    drag(station, QPointF(250, 0));
    EXPECT_EQ(rowWords(quiz.get()), QStringList({"Where", "is", "the", "station"}));
    EXPECT_EQ(quiz->testOrderedWords(), QStringList({"Where", "is", "the", "station"}));
    EXPECT_DOUBLE_EQ(ViewSupport::frame(tileAt(quiz.get(), 0)).x(), quiz->startX());
    EXPECT_EQ(ViewSupport::frame(station).y(), 100.0);

    quiz->submitAction(quiz->submitBtn());
    EXPECT_EQ(quiz->score(), 10);
    EXPECT_EQ(quiz->currIndex(), 1);
    EXPECT_EQ(quiz->inputPhraseInfos().at(0)->foreignText(), QStringLiteral("Where is the station"));
    // The next question has its own tiles only.
    EXPECT_EQ(quiz->wordViews().size(), WordOrderAdjustVC::words(quiz->phraseInfos().at(1)->content).size());

    while (!quiz->isOver())
        quiz->submitAction(quiz->submitBtn());
    ASSERT_NE(quiz->resultTable(), nullptr);
    EXPECT_EQ(quiz->wordOrderAdjustView(), nullptr);
    EXPECT_EQ(quiz->tipLbl(), nullptr);
    // Not shrunk to its rows.
    EXPECT_EQ(ViewSupport::frame(quiz->resultTable()).bottom(), 667.0);
    auto *row = quiz->resultTable()->cellForRowAtIndexPath({0, 0})->contentView()->findChild<CommonResultCellView *>();
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->rightTextLbl()->text(), question->foreignText());
    EXPECT_EQ(row->testTextLbl()->text(), QStringLiteral("Where is the station"));
    EXPECT_EQ(row->testTextLbl()->textColor(), CommonResultCellView::rightColor());
}

TEST_F(WordOrderTest, AnUntouchedRowIsSubmittedAsShuffled)
{
    // A shuffle that kept the right order is right; one that did not is wrong.
    auto quiz = quizAsking(QStringLiteral("Good morning!"), {"Good", "morning"});
    quiz->submitAction(quiz->submitBtn());
    EXPECT_EQ(quiz->score(), 10);
    quiz->phraseInfos().at(1)->content = QStringLiteral("Thank you.");
    quiz->layoutWords(QStringLiteral("Thank you."), {"you", "Thank"});
    quiz->submitAction(quiz->submitBtn());
    EXPECT_EQ(quiz->score(), 10);
    EXPECT_EQ(quiz->inputPhraseInfos().at(1)->foreignText(), QStringLiteral("you Thank"));
    // One word is always right, whatever its case in the answer.
    quiz->phraseInfos().at(2)->content = QStringLiteral("Hello.");
    quiz->layoutWords(QStringLiteral("Hello."));
    ASSERT_EQ(quiz->wordViews().size(), 1);
    quiz->submitAction(quiz->submitBtn());
    EXPECT_EQ(quiz->score(), 20);

    while (!quiz->isOver())
        quiz->submitAction(quiz->submitBtn());
    auto *wrong = quiz->resultTable()->cellForRowAtIndexPath({0, 1})->contentView()->findChild<CommonResultCellView *>();
    ASSERT_NE(wrong, nullptr);
    EXPECT_EQ(wrong->testTextLbl()->textColor(), CommonResultCellView::wrongColor());
}

TEST_F(WordOrderTest, AWordWrittenTwiceGivesTwoTilesEitherOfWhichFitsEitherPlace)
{
    auto quiz = quizAsking(QStringLiteral("No, no, yes."), {"no", "yes", "No"});
    ASSERT_EQ(quiz->wordViews().size(), 3);
    // "yes" to the end: the two "no" tiles, in the other order than written, are right.
    drag(tileAt(quiz.get(), 1), QPointF(150, 0));
    EXPECT_EQ(quiz->testOrderedWords(), QStringList({"no", "No", "yes"}));
    quiz->submitAction(quiz->submitBtn());
    EXPECT_EQ(quiz->score(), 10);
}

TEST_F(WordOrderTest, ATileDroppedLeftOfTheFirstCentreBecomesTheFirstWord)
{
    auto quiz = quizAsking(QStringLiteral("Where is the station?"), {"is", "the", "station", "Where"});
    DraggableWordView *where = tileAt(quiz.get(), 3);
    const qreal firstCentre = ViewSupport::center(tileAt(quiz.get(), 0)).x();
    // Dropped just left of the first tile's centre, still overlapping it.
    drag(where, QPointF(firstCentre - 1 - ViewSupport::center(where).x(), 20));
    EXPECT_EQ(quiz->testOrderedWords(), QStringList({"Where", "is", "the", "station"}));
    EXPECT_DOUBLE_EQ(ViewSupport::frame(where).x(), quiz->startX());
    EXPECT_EQ(ViewSupport::frame(where).y(), 100.0);
}

TEST_F(WordOrderTest, ADraggedTileStaysWithinTheFirstAreaWidthEvenWithTheAreaScrolled)
{
    const QString longPhrase = QStringLiteral("I would like to book a quiet table for two people near the big window tonight, please.");
    const QStringList inOrder = WordOrderAdjustVC::words(longPhrase);
    auto quiz = quizAsking(longPhrase, inOrder);
    ScrollView *area = quiz->wordOrderAdjustView();
    EXPECT_EQ(quiz->startX(), 0.0);
    ASSERT_GT(area->contentSize().width(), 2 * 375.0);
    area->setContentOffset(QPointF(300, 0));

    // A wide tile in the stretch on screen, held far right and far down: its centre stops half a
    // tile inside the row's first area width and the area's height.
    DraggableWordView *held = nullptr;
    for (int place = 0; !held && tileAt(quiz.get(), place); ++place) {
        const QRectF frame = ViewSupport::frame(tileAt(quiz.get(), place));
        if (frame.x() >= 300 && frame.width() > quiz->minWordLblW())
            held = tileAt(quiz.get(), place);
    }
    ASSERT_NE(held, nullptr);
    const qreal w = ViewSupport::frame(held).width();
    const QPointF start = held->mapToGlobal(ViewSupport::bounds(held).center());
    send(held, QEvent::MouseButtonPress, start);
    for (int step = 1; step <= 5; ++step)
        send(held, QEvent::MouseMove, start + QPointF(200 * step, 100 * step));
    EXPECT_DOUBLE_EQ(ViewSupport::center(held).x(), 375 - w / 2);
    EXPECT_DOUBLE_EQ(ViewSupport::center(held).y(), 250 - 25);
    // Dropped there, it lands right after the last tile whose centre lies left of its own.
    const qreal dropX = ViewSupport::center(held).x();
    int leftOfIt = 0;
    for (DraggableWordView *tile : quiz->wordViews())
        leftOfIt += tile != held && ViewSupport::center(tile).x() < dropX ? 1 : 0;
    ASSERT_GT(leftOfIt, 0);
    send(held, QEvent::MouseButtonRelease, start + QPointF(1000, 500));
    EXPECT_EQ(tileAt(quiz.get(), leftOfIt), held);
    EXPECT_EQ(quiz->testOrderedWords().at(leftOfIt), held->text());
    EXPECT_LT(ViewSupport::frame(held).x(), 375.0);
    EXPECT_EQ(ViewSupport::frame(held).y(), 100.0);

    // Dragged far left from there: it stops against the left edge and, though its centre is
    // right of the narrower first tile's centre, becomes the first word.
    DraggableWordView *firstBefore = tileAt(quiz.get(), 0);
    ASSERT_LT(ViewSupport::frame(firstBefore).width(), w);
    drag(held, QPointF(-1000, 0));
    EXPECT_EQ(ViewSupport::frame(held).x(), 0.0);
    EXPECT_EQ(tileAt(quiz.get(), 0), held);
    EXPECT_EQ(tileAt(quiz.get(), 1), firstBefore);
    EXPECT_EQ(quiz->testOrderedWords().first(), held->text());

    EXPECT_EQ(DraggableWordView::clampedCenter(QPointF(-40, 125), QSizeF(60, 50), QSizeF(375, 250)), QPointF(30, 125));
}
