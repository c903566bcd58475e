#pragma once

#include "content/PhraseInfo.h"
#include "platform/ui/View.h"

#include <QPointer>

class Button;
class Label;
class Phrase2SpeakVC;

// One row of the speaking quiz's result table: a "Show Voiceprint" button that reopens the
// comparison of the learner's recording (empty and inert when the question was not
// recorded), the phrase's foreign text and, for a learner whose language is not the content
// language, its translation; two or three lines sharing the row's height.
//
// Thread: main thread. Failure: none; null records show empty lines.
class Phrase2SpeakResultCellView : public View
{
    Q_OBJECT
public:
    explicit Phrase2SpeakResultCellView(const QRectF &frame, QWidget *parent = nullptr);

    PhraseInfoPtr phraseInfo() const { return m_phraseInfo; }
    PhraseInfoPtr testPhraseInfo() const { return m_testPhraseInfo; }
    Button *voiceprintBtn() const { return m_voiceprintBtn; }
    Label *wordLbl() const { return m_wordLbl; }
    Label *translationLbl() const { return m_translationLbl; }
    Phrase2SpeakVC *vcDelegate() const;
    void setVcDelegate(Phrase2SpeakVC *screen);

    void showResult(const PhraseInfoPtr &phraseInfo, const PhraseInfoPtr &testPhraseInfo);
    void showSpectrums(QObject *sender);

private:
    Label *makeLabel(int line, qreal lineHeight);

    PhraseInfoPtr m_phraseInfo;
    PhraseInfoPtr m_testPhraseInfo;
    Button *m_voiceprintBtn = nullptr;
    Label *m_wordLbl = nullptr;
    Label *m_translationLbl = nullptr;
    QPointer<Phrase2SpeakVC> m_vcDelegate;
};
