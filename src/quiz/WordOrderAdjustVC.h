#pragma once

#include "BaseQuizViewController.h"

#include <QPointer>
#include <QStringList>

class DraggableWordView;
class Label;
class ScrollView;

// The word-order quiz: the words of each question's phrase (its content text, punctuation
// left out) lie shuffled as tiles in a work area; the learner drags them into order and
// submits. Tiles are as wide as their words (at least minWordLblW) and packed in one row,
// centred when it fits, else from the left with the area scrolling sideways. When a drag
// ends the tiles are re-sorted by the x of their centres and packed again, so a dropped
// tile lands between its neighbours (or first, when dropped against the area's left edge).
// An answer is right (10 points) when the words in the
// tiles' order, joined by single spaces, equal the phrase's words in letter-case-blind
// comparison; it is stored as the answer record's foreign text. The result table marks an
// answer green when it matches the phrase's words, though the phrase itself shows its
// punctuation.
//
// The work area is 200 points high on screens under 500 points, 400 on screens over 1000,
// else 250; tiles are a fifth of it.
//
// Thread: main thread. Failure: those of BaseQuizViewController; a phrase without words
// lays out no tile and its (empty) answer is right only against an empty phrase.
class WordOrderAdjustVC : public BaseQuizViewController
{
    Q_OBJECT
public:
    explicit WordOrderAdjustVC(QObject *parent = nullptr);

    ScrollView *wordOrderAdjustView() const { return m_wordOrderAdjustView; }
    Label *tipLbl() const { return m_tipLbl; }
    const QStringList &standardOrderedWords() const { return m_standardOrderedWords; }
    const QStringList &randomOrderedWords() const { return m_randomOrderedWords; }
    const QStringList &testOrderedWords() const { return m_testOrderedWords; }
    qreal workAreaH() const { return m_workAreaH; }
    qreal minWordLblW() const { return m_minWordLblW; }
    qreal padding() const { return m_padding; }
    qreal startX() const { return m_startX; }
    // The tiles of the current question, in the work area's child order.
    QList<DraggableWordView *> wordViews() const;

    void initSubviews() override;
    void showCurrItem() override;
    // Lays out the tiles of `text`; `shuffled` (tests) replaces the random order when it
    // holds the same words.
    void layoutWords(const QString &text, const QStringList &shuffled = {});
    // `dropped`: the tile whose drag just ended (null: none).
    void reorderWords(DraggableWordView *dropped = nullptr);
    void submitAction(QObject *sender) override;
    void quizOver() override;
    TableViewCell *cellForRowAtIndexPath(TableView *tableView, const IndexPath &indexPath) override;

    // The words of a text as tiles show them: the runs between white space and . , ! ? ؟ 、 。
    static QStringList words(const QString &text);
    // Whether `answer` is the words of `content` in order (letter case aside).
    static bool isRightOrder(const QString &answer, const QString &content);

private:
    qreal workAreaHeightFor(qreal screenHeight) const;
    DraggableWordView *addTile(const QString &word, qreal height);
    void packTiles(const QList<DraggableWordView *> &tiles);

    QPointer<ScrollView> m_wordOrderAdjustView;
    QPointer<Label> m_tipLbl;
    QStringList m_standardOrderedWords;
    QStringList m_randomOrderedWords;
    QStringList m_testOrderedWords;
    qreal m_workAreaH = 250.0;
    qreal m_minWordLblW = 45.0;
    qreal m_padding = 5.0;
    qreal m_startX = 0.0;
};
