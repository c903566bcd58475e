#pragma once

#include "BaseQuizViewController.h"

class Button;

// The listening quiz: the learner hears a phrase, never sees it, and picks it among four
// options in the content language. Each question's voice starts 1.5 s after it is shown
// and again on every press of the loudspeaker button (from the beginning). Submitting stops
// the voice; a quick submit still lets the earlier pending start play the then current
// question. At the end, the result table (translation, right text, chosen text).
//
// Thread: main thread. Failure: those of BaseQuizViewController.
class Listen2SelectVC : public BaseQuizViewController
{
    Q_OBJECT
public:
    explicit Listen2SelectVC(QObject *parent = nullptr);

    Button *loudspeakerButton() const { return m_loudspeakerButton; }

    void initSubviews() override;
    void showCurrItem() override;
    void submitAction(QObject *sender) override;
    void quizOver() override;
    using BaseQuizViewController::playAction;

private:
    QPointer<Button> m_loudspeakerButton;
};
