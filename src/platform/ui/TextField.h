#pragma once

#include "platform/foundation/WeakDelegate.h"

#include <QColor>
#include <QLineEdit>
#include <QRectF>

class TextField;

// What the owner of a text field is asked and told while the learner edits (a weak
// reference: a delegate that is destroyed is dropped). Every answer defaults to yes.
class TextFieldDelegate : public WeakDelegateTarget
{
public:
    // Asked before the field takes the keyboard; false keeps it from editing.
    virtual bool textFieldShouldBeginEditing(TextField *field);
    virtual void textFieldDidBeginEditing(TextField *field);
    // The return key (titled by returnKeyType) was pressed.
    virtual bool textFieldShouldReturn(TextField *field);
    virtual void textFieldDidEndEditing(TextField *field);
};

// The one-line text field of the phone toolkit: a frame in points, a layer border of a
// width and colour, and the editing cycle of the phone platform: taking the keyboard
// (becomeFirstResponder, or a tap) asks the delegate whether editing may begin, then, with
// clearsOnBeginEditing, empties the field; giving it back (resignFirstResponder) ends
// editing; the return key goes to the delegate. The keyboard is the desktop's own, so
// "taking the keyboard" is taking the input focus; a field in a window that is not active
// still counts as editing once it took the keyboard. Disabling the field ends editing.
//
// Thread: main thread. Failure: becomeFirstResponder() returns false when the delegate
// refuses or the field is disabled or hidden.
class TextField : public QLineEdit
{
    Q_OBJECT
public:
    enum class ReturnKeyType { Default, Done, Go, Next, Send };

    explicit TextField(QWidget *parent = nullptr);
    TextField(const QRectF &frame, QWidget *parent = nullptr);

    void setFrame(const QRectF &frame);
    QRectF frame() const;

    void setDelegate(TextFieldDelegate *delegate) { m_delegate.set(delegate); }
    TextFieldDelegate *delegate() const { return m_delegate.get(); }

    void setClearsOnBeginEditing(bool clears) { m_clearsOnBeginEditing = clears; }
    bool clearsOnBeginEditing() const { return m_clearsOnBeginEditing; }
    void setReturnKeyType(ReturnKeyType type) { m_returnKeyType = type; }
    ReturnKeyType returnKeyType() const { return m_returnKeyType; }

    void setBorder(qreal width, const QColor &color);
    qreal borderWidth() const { return m_borderWidth; }
    QColor borderColor() const { return m_borderColor; }
    void setBackgroundColor(const QColor &color);
    QColor backgroundColor() const { return m_backgroundColor; }
    void setTextColor(const QColor &color);
    QColor textColor() const { return m_textColor; }

    bool becomeFirstResponder();
    void resignFirstResponder();
    bool isFirstResponder() const { return m_editing; }

protected:
    void changeEvent(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool beginEditing();
    void endEditing();
    void applyStyle();

    WeakDelegate<TextFieldDelegate> m_delegate;
    bool m_clearsOnBeginEditing = false;
    ReturnKeyType m_returnKeyType = ReturnKeyType::Default;
    qreal m_borderWidth = 0;
    QColor m_borderColor = Qt::black;
    QColor m_backgroundColor = Qt::transparent;
    QColor m_textColor = Qt::black;
    bool m_editing = false;
    bool m_focusing = false;  // focus given by becomeFirstResponder: editing began already
};
