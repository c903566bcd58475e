#include "Listen2WriteVC.h"

#include "content/AppCommon.h"
#include "platform/ui/Button.h"
#include "platform/ui/Fonts.h"
#include "platform/ui/PlatformColors.h"
#include "widgets/KeyboardSupport.h"

Listen2WriteVC::Listen2WriteVC(QObject *parent) : BaseQuizViewController(parent) {}

void Listen2WriteVC::initSubviews()
{
    View *root = view();
    m_loudspeakerButton = addLoudspeakerButton();

    const qreal width = 0.9 * root->bounds().width();
    const qreal top = m_loudspeakerButton->frame().bottom() + outerMargin();
    auto *field = new TextField(QRectF((root->bounds().width() - width) / 2, top, width, 40), root);
    field->setBorder(2, PlatformColors::darkGray());
    field->setReturnKeyType(TextField::ReturnKeyType::Done);
    field->setAlignment(Qt::AlignCenter);
    field->setBackgroundColor(Qt::white);
    field->setFont(Fonts::systemFont(20));
    field->setTextColor(QColor(24, 24, 24));
    field->setDelegate(this);
    field->setClearsOnBeginEditing(true);
    field->show();
    setTextField(field);
    field->becomeFirstResponder();

    KeyboardSupport::addDismissKeyboardTap(root);
    addSubmitButton();
    showCurrItem();
}

void Listen2WriteVC::showCurrItem()
{
    if (!hasCurrentQuestion())
        return;
    if (textField())
        textField()->clear();
    scheduleAutoPlay();
}

void Listen2WriteVC::submitAction(QObject *sender)
{
    if (!hasCurrentQuestion())
        return;
    stopAudio();
    const QString typed = textField() ? textField()->text() : QString();
    inputPhraseInfos().at(currIndex())->trans.insert(QLatin1String(AppCommon::contentLanguageCode), typed);
    BaseQuizViewController::submitAction(sender);
    if (textField() && !isOver())
        textField()->becomeFirstResponder();
}

bool Listen2WriteVC::textFieldShouldReturn(TextField *field)
{
    dismissKeyboard(field);
    submitAction(field);
    return true;
}

bool Listen2WriteVC::textFieldShouldBeginEditing(TextField *) { return true; }

void Listen2WriteVC::dismissKeyboard(QObject *)
{
    if (isViewLoaded())
        KeyboardSupport::dismissKeyboard(view());
}

void Listen2WriteVC::quizOver()
{
    BaseQuizViewController::quizOver();
    dismissKeyboard(this);
    if (TextField *field = textField())
        field->setDelegate(nullptr);
    removeQuestionWidgets();
    removeWidget(m_loudspeakerButton);
    m_loudspeakerButton = nullptr;
    addResultTable(false);
}
