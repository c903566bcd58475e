#pragma once

#include "BaseQuizViewController.h"
#include "platform/ui/TextField.h"

class Button;

// The listen-and-write quiz: a phrase's voice plays 1.5 s after each question is shown
// (and on the loudspeaker button), the learner types it in the content language and submits
// with the Submit button or the keyboard's Done key; the text is graded by the base (case and
// the way accents are typed do not count, white space and punctuation do) and the field keeps
// the keyboard for the next answer. A tap elsewhere on the screen hides the keyboard. At the
// end the result table shows the learner's texts, "-" for an empty answer.
//
// Thread: main thread. Failure: those of BaseQuizViewController.
class Listen2WriteVC : public BaseQuizViewController, public TextFieldDelegate
{
    Q_OBJECT
public:
    explicit Listen2WriteVC(QObject *parent = nullptr);

    Button *loudspeakerButton() const { return m_loudspeakerButton; }

    void initSubviews() override;
    void showCurrItem() override;
    void submitAction(QObject *sender) override;
    void quizOver() override;
    void dismissKeyboard(QObject *sender);
    bool textFieldShouldReturn(TextField *field) override;
    bool textFieldShouldBeginEditing(TextField *field) override;
    using BaseQuizViewController::playAction;

private:
    QPointer<Button> m_loudspeakerButton;
};
