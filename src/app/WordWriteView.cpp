#include "WordWriteView.h"

#include "content/AppCommon.h"
#include "widgets/BlockGestures.h"
#include "platform/ui/Button.h"
#include "platform/ui/Fonts.h"
#include "widgets/GradientBackground.h"
#include "widgets/KeyboardSupport.h"
#include "platform/ui/Label.h"
#include "platform/ui/ScrollView.h"

#include <QEvent>
#include <QLineEdit>

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
    m_textField = new QLineEdit(this);
    m_textField->setGeometry(QRectF(x, headH() + 40, fieldWidth, kFieldHeight).toRect());
    m_textField->setFrame(false);
    m_textField->setAlignment(Qt::AlignCenter);
    m_textField->setFont(Fonts::systemFont(22.5));
    m_textField->installEventFilter(this);
    setFieldBorderColor(PlatformColors::darkGray());
    connect(m_textField, &QLineEdit::returnPressed, this, [this]() { textFieldShouldReturn(m_textField); });
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
    m_textField->setFocus(Qt::OtherFocusReason);
}

void WordWriteView::submitAction(QObject *)
{
    if (!m_textField)
        return;
    m_wordLbl->show();
    m_textField->setEnabled(false);
    // QString compares a null and an empty text as equal: a missing text on both sides
    // counts as a match.
    if (m_textField->text().toLower() == m_wordLbl->text().toLower()) {
        setFieldBorderColor(kRight);
        AppCommon::increaseUserInfoCount(QStringLiteral("kWriteCount"));
    } else {
        setFieldBorderColor(kWrong);
    }
    m_redoBtn->setEnabled(true);
}

bool WordWriteView::textFieldShouldReturn(QLineEdit *)
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
    m_textField->setFocus(Qt::OtherFocusReason);
    setFieldBorderColor(PlatformColors::darkGray());
    m_textField->clear();
    m_redoBtn->setEnabled(false);
}

void WordWriteView::dismissKeyboard(QObject *)
{
    KeyboardSupport::dismissKeyboard(this);
}

bool WordWriteView::textFieldShouldBeginEditing(QLineEdit *)
{
    return true;
}

bool WordWriteView::eventFilter(QObject *watched, QEvent *event)
{
    // The field clears when editing begins, as the phone's text field with
    // clearsOnBeginEditing does.
    if (watched == m_textField && event->type() == QEvent::FocusIn && textFieldShouldBeginEditing(m_textField))
        m_textField->clear();
    return ZQPopView::eventFilter(watched, event);
}

void WordWriteView::setFieldBorderColor(const QColor &color)
{
    m_fieldBorderColor = color;
    m_textField->setStyleSheet(QStringLiteral("QLineEdit { border: 2px solid %1; background: white; color: rgb(24, 24, 24); }")
                                   .arg(color.name()));
}
