#include "WordWriteView.h"

#include "content/AnswerText.h"
#include "content/AppCommon.h"
#include "widgets/BlockGestures.h"
#include "platform/ui/Button.h"
#include "platform/ui/Fonts.h"
#include "widgets/GradientBackground.h"
#include "widgets/KeyboardSupport.h"
#include "platform/ui/Label.h"
#include "platform/ui/ScrollView.h"


namespace {
constexpr qreal kFieldHeight = 45;
constexpr qreal kButtonHeight = 45;
const QColor kRight(Qt::green);
const QColor kWrong(Qt::red);
}

WordWriteView::WordWriteView(const QRectF &frame, QWidget *parent) : ZQPopView(frame, parent) {}

void WordWriteView::showWordWrite(const PhraseInfoPtr &phrase)
{
    m_phraseInfo = phrase;
    const qreal width = bounds().width();
    const qreal height = bounds().height();

    // 1. Body under the title bar, mask over the parent, blue-to-green gradient.
    m_bodyView = new ScrollView(QRectF(), this);
    drawHead(m_titleText);
    m_bodyView->setFrame(QRectF(0, headH(), width, height - headH()));
    showMask();
    GradientBackground::setGradientBackground(m_bodyView, GradientBackground::barBlue(),
                                              GradientBackground::bandGreen(), m_bodyView->bounds());
    m_bodyView->show();

    // 2. The answer field, on the panel above the body.
    const qreal fieldWidth = 0.9 * width;
    const qreal x = (width - fieldWidth) / 2;
    m_textField = new TextField(QRectF(x, headH() + 40, fieldWidth, kFieldHeight), this);
    m_textField->setAlignment(Qt::AlignCenter);
    m_textField->setFont(Fonts::systemFont(22.5));
    m_textField->setBackgroundColor(Qt::white);
    m_textField->setTextColor(QColor(24, 24, 24));
    m_textField->setReturnKeyType(TextField::ReturnKeyType::Done);
    m_textField->setClearsOnBeginEditing(true);
    m_textField->setDelegate(this);
    setFieldBorderColor(PlatformColors::darkGray());
    m_textField->show();
    BlockGestures::addTapGesture(this, 1, [this](BlockTap *) { dismissKeyboard(this); });

    // 3. The right text, hidden until a submit.
    m_wordLbl = new Label(QRectF(x, headH() + 40 + kFieldHeight + 20, fieldWidth, kFieldHeight), this);
    m_wordLbl->setText(phrase ? phrase->foreignText() : QString());
    m_wordLbl->setTextAlignment(Qt::AlignHCenter);
    m_wordLbl->setFont(Fonts::systemFont(0.6 * kFieldHeight));
    m_wordLbl->setAdjustsFontSizeToFitWidth(true);
    m_wordLbl->setCornerRadius(8);
    m_wordLbl->setClipsToBounds(true);
    m_wordLbl->setTextColor(QColor(254, 249, 247));
    m_wordLbl->setBackgroundColor(QColor(25, 44, 66, int(0.8 * 255)));
    m_wordLbl->hide();

    // 4. Redo | Submit across the bottom.
    const qreal half = width / 2;
    auto makeButton = [this](const QRectF &frame, const QString &title) {
        auto *button = new Button(frame, this);
        button->setTitle(title);
        button->setTitleColor(Qt::white);
        button->setContentHorizontalAlignment(Qt::AlignHCenter);
        button->setBackgroundColor(Qt::transparent);
        button->show();
        return button;
    };
    m_redoBtn = makeButton(QRectF(0, height - kButtonHeight, half, kButtonHeight), tr("Redo"));
    m_submitBtn = makeButton(QRectF(half, height - kButtonHeight, half, kButtonHeight), tr("Submit"));
    connect(m_redoBtn, &Button::touchUpInside, this, [this](Button *button) { redoAction(button); });
    connect(m_submitBtn, &Button::touchUpInside, this, [this](Button *button) { submitAction(button); });
    m_redoBtn->setEnabled(false);

    // The field takes the keyboard at once.
    m_textField->becomeFirstResponder();
}

void WordWriteView::submitAction(QObject *)
{
    if (!m_textField)
        return;
    m_wordLbl->show();
    m_textField->setEnabled(false);
    // A missing text on both sides counts as a match.
    if (AnswerText::matches(m_textField->text(), m_wordLbl->text())) {
        setFieldBorderColor(kRight);
        AppCommon::increaseUserInfoCount(QStringLiteral("kWriteCount"));
    } else {
        setFieldBorderColor(kWrong);
    }
    m_redoBtn->setEnabled(true);
}

bool WordWriteView::textFieldShouldReturn(TextField *)
{
    submitAction(m_textField);
    return true;
}

void WordWriteView::redoAction(QObject *)
{
    if (!m_textField)
        return;
    m_wordLbl->hide();
    m_textField->setEnabled(true);
    m_textField->becomeFirstResponder();
    setFieldBorderColor(PlatformColors::darkGray());
    m_textField->clear();
    m_redoBtn->setEnabled(false);
}

void WordWriteView::dismissKeyboard(QObject *)
{
    KeyboardSupport::dismissKeyboard(this);
}

bool WordWriteView::textFieldShouldBeginEditing(TextField *)
{
    return true;
}

void WordWriteView::setFieldBorderColor(const QColor &color)
{
    m_fieldBorderColor = color;
    m_textField->setBorder(2, color);
}
