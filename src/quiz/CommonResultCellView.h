#pragma once

#include "platform/ui/View.h"

#include "content/PhraseInfo.h"

class Label;

// One row of a quiz's result table: three labels stacked from top to bottom, each a third of
// the row: the question as it was asked (srcTextLbl, hidden when the learner's language is the
// content language), the right answer (rightTextLbl) and the learner's answer (testTextLbl),
// green when it matches the right answer (AnswerText::matches), red otherwise, "-" when
// there was none. Not reversed: translation, foreign text, the answer's foreign text;
// reversed (foreign to mother language): foreign text, translation, the answer's translation.
//
// Thread: main thread. Failure: none; null records show empty texts.
class CommonResultCellView : public View
{
    Q_OBJECT
public:
    static QColor rightColor() { return QColor(46, 139, 87); }
    static QColor wrongColor() { return QColor(178, 34, 34); }

    explicit CommonResultCellView(const QRectF &frame, QWidget *parent = nullptr);

    void showResult(const PhraseInfoPtr &phraseInfo, const PhraseInfoPtr &testPhraseInfo, bool reversed);

    PhraseInfoPtr phraseInfo() const { return m_phraseInfo; }
    PhraseInfoPtr testPhraseInfo() const { return m_testPhraseInfo; }
    Label *srcTextLbl() const { return m_srcTextLbl; }
    Label *rightTextLbl() const { return m_rightTextLbl; }
    Label *testTextLbl() const { return m_testTextLbl; }

private:
    Label *makeLabel(int index);

    PhraseInfoPtr m_phraseInfo;
    PhraseInfoPtr m_testPhraseInfo;
    Label *m_srcTextLbl;
    Label *m_rightTextLbl;
    Label *m_testTextLbl;
};
