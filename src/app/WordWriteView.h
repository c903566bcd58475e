#pragma once

#include "content/PhraseInfo.h"
#include "platform/ui/PlatformColors.h"
#include "platform/ui/TextField.h"
#include "widgets/ZQPopView.h"

#include <QColor>
#include <QPointer>
#include <QString>

class Button;
class Label;
class ScrollView;

// The writing pop-up of the phrase card: the learner types the current phrase, submits,
// sees the right text under the field and a green (right) or red (wrong) frame round it,
// and may clear the field and try again with Redo.
//
// showWordWrite(phrase) builds the panel in its current frame: the title bar (no title)
// with the close button, the mask over the parent, a gradient body below the title bar, and
// on the panel above the body the text field, the answer label (hidden until a submit) and
// Redo | Submit sharing the bottom 45 points. Answers are compared as AnswerText::matches
// does (lower-cased, accents however typed; white space and punctuation count); every right check adds 1 to "kWriteCount", a
// repeated one too. The Return key submits as the Submit button does; a tap on the panel
// ends editing. The panel closes itself (closeAction of ZQPopView).
//
// The panel is its text field's delegate.
//
// Thread: main thread. Failure: none; a panel shown without a phrase compares against an
// empty text.
class WordWriteView : public ZQPopView, public TextFieldDelegate
{
    Q_OBJECT
public:
    explicit WordWriteView(const QRectF &frame, QWidget *parent = nullptr);

    PhraseInfoPtr phraseInfo() const { return m_phraseInfo; }
    ScrollView *bodyView() const { return m_bodyView; }
    TextField *textField() const { return m_textField; }
    Label *wordLbl() const { return m_wordLbl; }
    Button *redoBtn() const { return m_redoBtn; }
    Button *submitBtn() const { return m_submitBtn; }
    QString titleText() const { return m_titleText; }
    // The colour of the text field's 2-point frame: dark grey while writing, green or red
    // after a check.
    QColor fieldBorderColor() const { return m_fieldBorderColor; }

    void showWordWrite(const PhraseInfoPtr &phrase);
    void submitAction(QObject *sender);
    bool textFieldShouldReturn(TextField *field) override;
    void redoAction(QObject *sender);
    void dismissKeyboard(QObject *sender);
    bool textFieldShouldBeginEditing(TextField *field) override;

private:
    void setFieldBorderColor(const QColor &color);

    PhraseInfoPtr m_phraseInfo;
    ScrollView *m_bodyView = nullptr;
    TextField *m_textField = nullptr;
    Label *m_wordLbl = nullptr;
    Button *m_redoBtn = nullptr;
    QString m_titleText;
    Button *m_submitBtn = nullptr;
    QColor m_fieldBorderColor = PlatformColors::darkGray();
};
