#include "Listen2SelectVC.h"

#include "platform/ui/Button.h"

Listen2SelectVC::Listen2SelectVC(QObject *parent) : BaseQuizViewController(parent) {}

void Listen2SelectVC::initSubviews()
{
    m_loudspeakerButton = addLoudspeakerButton();
    addSubmitButton();
    addOptionArea(m_loudspeakerButton->frame().bottom() + outerMargin());
    showCurrItem();
}

void Listen2SelectVC::showCurrItem()
{
    if (!hasCurrentQuestion())
        return;
    fillOptions(phraseInfos().at(currIndex()), false);
    scheduleAutoPlay();
}

void Listen2SelectVC::submitAction(QObject *sender)
{
    stopAudio();
    BaseQuizViewController::submitAction(sender);
}

void Listen2SelectVC::quizOver()
{
    BaseQuizViewController::quizOver();
    removeQuestionWidgets();
    removeWidget(m_loudspeakerButton);
    m_loudspeakerButton = nullptr;
    addResultTable(false);
}
