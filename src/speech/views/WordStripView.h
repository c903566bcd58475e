#pragma once

#include "WordStripLayout.h"

#include "platform/ui/View.h"
#include "speech/AssessmentResult.h"

#include <QList>

// The expected words of an assessment drawn over the learner's voiceprint (WordStripLayout
// places them): each word's label at the top, above thin lines marking its span. Unmarked
// words are plain dark grey; a marked word is bold and orange (Weak) or red (Wrong), its
// span tinted in that colour, with the weak sound named in a note below the labels. An
// omitted word stands where it was expected, red and struck through. The word being
// played has its span tinted blue.
//
// Each word has a transparent tap area (its span, at least a finger wide, across the full
// height; omitted words on top) carrying the word and what is wrong with it as its
// accessible name and tooltip, with a hint of what a tap plays. A tap emits wordTapped;
// the strip plays nothing itself. The tap areas are plain views, not controls, so a drag
// that starts on them still scrolls the voiceprint.
//
// Thread: main thread. Failure: none; an assessment without words draws nothing.
class WordStripView : public View
{
    Q_OBJECT
public:
    explicit WordStripView(const QRectF &frame, QWidget *parent = nullptr);

    // `inModelVoice[i]`: whether a tap on word i also plays the model voice (a missing
    // entry counts as no); `frameTimes` and `columnWidth` as WordStripLayout takes them.
    void setAssessment(const AssessmentResult &assessment, const QList<bool> &inModelVoice,
                       const QList<double> &frameTimes, qreal columnWidth);
    const AssessmentResult &assessment() const { return m_assessment; }
    const QList<WordStripLayout::Item> &items() const { return m_items; }
    // The tap area of word `index` (null outside the words).
    View *wordView(int index) const { return m_wordViews.value(index); }
    // The word whose span is tinted as playing; -1 for none.
    int playingWord() const { return m_playingWord; }
    void setPlayingWord(int index);

    // "word" or "word: what is wrong", in the learner's language.
    QString describe(int index) const;
    QString hint(int index) const;

Q_SIGNALS:
    void wordTapped(int index);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void buildTapAreas();
    void paintSpan(QPainter &painter, const WordStripLayout::Item &item) const;
    void paintLabel(QPainter &painter, const WordStripLayout::Item &item) const;
    static QColor markColor(WordMark mark);

    AssessmentResult m_assessment;
    QList<bool> m_inModelVoice;
    QList<WordStripLayout::Item> m_items;
    QList<View *> m_wordViews;
    int m_playingWord = -1;
};
