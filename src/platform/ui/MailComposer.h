#pragma once

#include "WindowOverlay.h"

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QUrl>

class Button;
class Label;
class QPlainTextEdit;

// The mail composer of the phone toolkit, standing in for the platform's own: an
// in-window sheet over the whole window with the recipients, the subject and an editable
// plain-text body, "Cancel" on the left and "Send" on the right of its bar. "Send" hands
// the message to the desktop's mail program as a mailto: address; an HTML body (the
// toolkit's composers take one) is turned into text lines first, since a mailto: body is
// plain text.
//
// The result goes to finished(): Sent once the mail program was started with the
// message, Failed when none could be started, Cancelled for "Cancel". The composer stays
// on screen until its presenter calls dismiss(), as the toolkit's composer does.
//
// Ownership: a presented composer belongs to its window (Qt parent) and deletes itself
// once dismissed (WindowOverlay). Thread: main thread. Failure: present() returns false without a window
// to show in; canSendMail() tells that beforehand.
class MailComposer : public WindowOverlay
{
    Q_OBJECT
public:
    enum class Result { Cancelled, Saved, Sent, Failed };
    Q_ENUM(Result)

    MailComposer();

    // Whether a composer can be presented now (there is a key window).
    static bool canSendMail();

    void setToRecipients(const QStringList &recipients);
    QStringList toRecipients() const { return m_recipients; }
    void setSubject(const QString &subject);
    QString subject() const { return m_subject; }
    void setMessageBody(const QString &body, bool isHTML);
    // The body as it stands in the editor (plain text).
    QString messageBody() const;
    // The mailto: address that "Send" opens.
    QUrl mailtoUrl() const;

    bool present(QWidget *window = nullptr);
    void send();
    void cancel();
    void dismiss();

    Button *sendButton() const { return m_sendButton; }
    Button *cancelButton() const { return m_cancelButton; }
    QPlainTextEdit *bodyEditor() const { return m_body; }

    // <br/> and block ends become line breaks, <hr/> a line of dashes, a link its text;
    // other tags go, the five basic entities are decoded and lines lose trailing blanks.
    static QString plainTextFromHtml(const QString &html);
    // mailto:<recipients>?subject=...&body=..., every part percent-encoded, line breaks
    // as CR LF.
    static QUrl mailtoUrl(const QStringList &recipients, const QString &subject, const QString &body);

signals:
    void finished(MailComposer::Result result);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void layOut();
    void finish(Result result);

    QStringList m_recipients;
    QString m_subject;
    QString m_initialBody;
    bool m_finished = false;
    Button *m_sendButton = nullptr;
    Button *m_cancelButton = nullptr;
    QPlainTextEdit *m_body = nullptr;
};
