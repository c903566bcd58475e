#include "TextField.h"

#include "ViewSupport.h"

#include <QFocusEvent>
#include <QKeyEvent>

bool TextFieldDelegate::textFieldShouldBeginEditing(TextField *) { return true; }
void TextFieldDelegate::textFieldDidBeginEditing(TextField *) {}
bool TextFieldDelegate::textFieldShouldReturn(TextField *) { return true; }
void TextFieldDelegate::textFieldDidEndEditing(TextField *) {}

TextField::TextField(QWidget *parent) : QLineEdit(parent)
{
    QLineEdit::setFrame(false);
    applyStyle();
}

TextField::TextField(const QRectF &frame, QWidget *parent) : TextField(parent) { setFrame(frame); }

void TextField::setFrame(const QRectF &frame) { ViewSupport::setFrame(this, frame); }

QRectF TextField::frame() const { return ViewSupport::frame(this); }

void TextField::setBorder(qreal width, const QColor &color)
{
    m_borderWidth = width;
    m_borderColor = color;
    applyStyle();
}

void TextField::setBackgroundColor(const QColor &color)
{
    m_backgroundColor = color;
    applyStyle();
}

void TextField::setTextColor(const QColor &color)
{
    m_textColor = color;
    applyStyle();
}

void TextField::applyStyle()
{
    auto css = [](const QColor &color) {
        return QStringLiteral("rgba(%1, %2, %3, %4)").arg(color.red()).arg(color.green()).arg(color.blue()).arg(color.alpha());
    };
    const QString border = m_borderWidth > 0
        ? QStringLiteral("%1px solid %2").arg(m_borderWidth).arg(css(m_borderColor))
        : QStringLiteral("none");
    setStyleSheet(QStringLiteral("QLineEdit { border: %1; border-radius: 0px; background: %2; color: %3; }")
                      .arg(border, css(m_backgroundColor), css(m_textColor)));
}

bool TextField::beginEditing()
{
    if (m_editing)
        return true;
    if (!isEnabled())
        return false;
    if (TextFieldDelegate *owner = delegate(); owner && !owner->textFieldShouldBeginEditing(this))
        return false;
    m_editing = true;
    if (m_clearsOnBeginEditing)
        clear();
    if (TextFieldDelegate *owner = delegate())
        owner->textFieldDidBeginEditing(this);
    return true;
}

void TextField::endEditing()
{
    if (!m_editing)
        return;
    m_editing = false;
    if (TextFieldDelegate *owner = delegate())
        owner->textFieldDidEndEditing(this);
}

bool TextField::becomeFirstResponder()
{
    if (!beginEditing())
        return false;
    m_focusing = true;
    setFocus(Qt::OtherFocusReason);
    m_focusing = false;
    return true;
}

void TextField::resignFirstResponder()
{
    endEditing();
    if (hasFocus())
        clearFocus();
}

void TextField::changeEvent(QEvent *event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::EnabledChange && !isEnabled())
        endEditing();
}

void TextField::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    // A window coming back to the front gives the focus back to a field that is editing.
    if (m_focusing || m_editing || event->reason() == Qt::ActiveWindowFocusReason)
        return;
    if (!beginEditing())
        clearFocus();
}

void TextField::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    // Another window or a pop-up menu taking the focus does not end editing.
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        endEditing();
}

void TextField::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (TextFieldDelegate *owner = delegate())
            owner->textFieldShouldReturn(this);
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}
