#include "MailComposer.h"

#include "Button.h"
#include "DeviceProfile.h"
#include "Fonts.h"
#include "Label.h"
#include "PlatformColors.h"
#include "UrlOpener.h"
#include "Window.h"

#include <QPainter>
#include <QPlainTextEdit>
#include <QRegularExpression>

namespace {
const QColor kBarColour(247, 247, 247);
constexpr qreal kBarHeight = 44;
constexpr qreal kFieldHeight = 44;
constexpr qreal kMargin = 16;

// A line of a header field: a grey caption and its value.
void addField(QWidget *parent, qreal y, qreal width, const QString &caption, const QString &value)
{
    auto *label = new Label(QRectF(kMargin, y, width - 2 * kMargin, kFieldHeight), parent);
    label->setFont(Fonts::systemFont(15));
    label->setTextColor(QColor(60, 60, 67));
    label->setText(caption + QLatin1Char(' ') + value);
    auto *line = new View(QRectF(kMargin, y + kFieldHeight - 1, width - kMargin, 1), parent);
    line->setBackgroundColor(PlatformColors::separator());
}
}

MailComposer::MailComposer()
{
    m_body = new QPlainTextEdit(this);
    m_body->setFrameShape(QFrame::NoFrame);
    m_body->setFont(Fonts::systemFont(15));
    m_body->hide();
}

bool MailComposer::canSendMail() { return Window::keyWindow() != nullptr; }

void MailComposer::setToRecipients(const QStringList &recipients) { m_recipients = recipients; }

void MailComposer::setSubject(const QString &subject) { m_subject = subject; }

void MailComposer::setMessageBody(const QString &body, bool isHTML)
{
    m_initialBody = isHTML ? plainTextFromHtml(body) : body;
    m_body->setPlainText(m_initialBody);
}

QString MailComposer::messageBody() const { return m_body->toPlainText(); }

QUrl MailComposer::mailtoUrl() const { return mailtoUrl(m_recipients, m_subject, messageBody()); }

bool MailComposer::present(QWidget *window)
{
    if (!coverWindow(window))
        return false;
    layOut();
    showOverlay();
    m_body->setFocus();
    return true;
}

void MailComposer::layOut()
{
    const qreal width = size().width();
    const qreal top = Screen::device().safeAreaInsets.top();
    const qreal bottom = Screen::device().safeAreaInsets.bottom();
    auto *bar = new View(QRectF(0, 0, width, top + kBarHeight), this);
    bar->setBackgroundColor(kBarColour);
    auto *title = new Label(QRectF(80, top, width - 160, kBarHeight), bar);
    title->setFont(Fonts::boldSystemFont(17));
    title->setTextAlignment(Qt::AlignHCenter);
    title->setText(tr("New Message"));
    m_cancelButton = new Button(QRectF(8, top, 72, kBarHeight), bar);
    m_cancelButton->setTitle(tr("Cancel"));
    m_cancelButton->setTitleFont(Fonts::systemFont(17));
    m_cancelButton->setTitleAdjustsFontSizeToFitWidth(true);
    m_cancelButton->setContentHorizontalAlignment(Qt::AlignLeft);
    m_sendButton = new Button(QRectF(width - 80, top, 72, kBarHeight), bar);
    m_sendButton->setTitle(tr("Send"));
    m_sendButton->setTitleFont(Fonts::boldSystemFont(17));
    m_sendButton->setTitleAdjustsFontSizeToFitWidth(true);
    m_sendButton->setContentHorizontalAlignment(Qt::AlignRight);
    connect(m_cancelButton, &Button::touchUpInside, this, [this]() { cancel(); });
    connect(m_sendButton, &Button::touchUpInside, this, [this]() { send(); });

    qreal y = top + kBarHeight;
    addField(this, y, width, tr("To:"), m_recipients.join(QStringLiteral(", ")));
    y += kFieldHeight;
    addField(this, y, width, tr("Subject:"), m_subject);
    y += kFieldHeight;
    // A note on what "Send" does, at the foot of the sheet.
    auto *note = new Label(QRectF(kMargin, size().height() - bottom - 36, width - 2 * kMargin, 36), this);
    note->setFont(Fonts::systemFont(12));
    note->setTextColor(QColor(142, 142, 147));
    note->setTextAlignment(Qt::AlignHCenter);
    note->setNumberOfLines(2);
    note->setAdjustsFontSizeToFitWidth(true);
    note->setText(tr("Send passes the message to your mail program."));
    m_body->setGeometry(QRectF(kMargin - 4, y + 4, width - 2 * kMargin + 8, note->frame().top() - y - 8).toRect());
    m_body->show();
    for (QWidget *child : findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        child->show();
}

void MailComposer::send()
{
    if (m_finished)
        return;
    finish(UrlOpener::open(mailtoUrl()) ? Result::Sent : Result::Failed);
}

void MailComposer::cancel()
{
    if (!m_finished)
        finish(Result::Cancelled);
}

void MailComposer::finish(Result result)
{
    // A failed hand-over may be tried again; any other result ends the composer.
    m_finished = result != Result::Failed;
    emit finished(result);
}

void MailComposer::dismiss()
{
    m_finished = true;
    closeOverlay();
}

void MailComposer::paintEvent(QPaintEvent *) { QPainter(this).fillRect(rect(), Qt::white); }

QString MailComposer::plainTextFromHtml(const QString &html)
{
    using Pattern = QRegularExpression;
    QString text = html;
    text.remove(QLatin1Char('\n'));
    text.replace(Pattern(QStringLiteral("<br\\s*/?>"), Pattern::CaseInsensitiveOption), QStringLiteral("\n"));
    text.replace(Pattern(QStringLiteral("<hr\\s*/?>"), Pattern::CaseInsensitiveOption),
                 QStringLiteral("\n----------\n"));
    text.replace(Pattern(QStringLiteral("</(p|div|li|h[1-6])\\s*>"), Pattern::CaseInsensitiveOption),
                 QStringLiteral("\n"));
    // A link keeps its text, without the blanks around it.
    text.replace(Pattern(QStringLiteral("<a\\b[^>]*>\\s*(.*?)\\s*</a\\s*>"),
                         Pattern::CaseInsensitiveOption | Pattern::DotMatchesEverythingOption),
                 QStringLiteral("\\1"));
    text.remove(Pattern(QStringLiteral("<[^>]*>")));
    text.replace(QLatin1String("&lt;"), QLatin1String("<"));
    text.replace(QLatin1String("&gt;"), QLatin1String(">"));
    text.replace(QLatin1String("&quot;"), QLatin1String("\""));
    text.replace(QLatin1String("&#39;"), QLatin1String("'"));
    text.replace(QLatin1String("&nbsp;"), QLatin1String(" "));
    text.replace(QLatin1String("&amp;"), QLatin1String("&"));
    // A rule right after a line break starts no extra empty line.
    text.replace(QLatin1String("\n\n----------"), QLatin1String("\n----------"));
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString &line : lines) {
        while (line.endsWith(QLatin1Char(' ')))
            line.chop(1);
    }
    return lines.join(QLatin1Char('\n'));
}

QUrl MailComposer::mailtoUrl(const QStringList &recipients, const QString &subject, const QString &body)
{
    QStringList addresses;
    for (const QString &recipient : recipients)
        addresses << QString::fromLatin1(QUrl::toPercentEncoding(recipient.trimmed(), "@"));
    QString crlfBody = body;
    crlfBody.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    QByteArray encoded = "mailto:" + addresses.join(QLatin1Char(',')).toLatin1();
    encoded += "?subject=" + QUrl::toPercentEncoding(subject);
    encoded += "&body=" + QUrl::toPercentEncoding(crlfBody);
    return QUrl::fromEncoded(encoded, QUrl::StrictMode);
}
