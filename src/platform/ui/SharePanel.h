#pragma once

#include "WindowOverlay.h"

#include <QImage>
#include <QList>
#include <QPointF>
#include <QPointer>
#include <QString>
#include <QUrl>

class Button;
class Label;
class View;

// The share panel, in place of the phone platform's share sheet: it shows what is shared
// (the image, the message and the link) and offers "Copy link" (the link to the
// clipboard) and "Send by mail" (a mailto: address whose subject is the message and whose
// body is the message and the link).
//
// On a phone it rises from the bottom of the window over a dimming mask, with "Cancel" in
// a panel of its own; a tap on the mask cancels too. As a popover (the tablet's way) it
// is a smaller panel whose arrow points at an anchor point, below the point when it fits
// there, else above; a tap anywhere outside it cancels.
//
// Ownership: a shown panel belongs to its window (Qt parent) and deletes itself once
// closed (WindowOverlay). Thread: main thread. Failure: show() returns false without a window to show in;
// a mail program that cannot be started gets an in-window alert (the panel still closes,
// reporting Activity::Mail).
class SharePanel : public WindowOverlay
{
    Q_OBJECT
public:
    enum class Activity { None, CopyLink, Mail };
    Q_ENUM(Activity)

    SharePanel(const QString &message, const QUrl &link, const QImage &image);

    QString message() const { return m_message; }
    QUrl link() const { return m_link; }
    QImage image() const { return m_image; }

    // As a sheet at the bottom of `window` (the key window when null).
    bool show(QWidget *window = nullptr);
    // As a popover pointing at `anchor` (in the window's coordinates).
    bool showAsPopover(const QPointF &anchor, QWidget *window = nullptr);
    bool isPopover() const { return m_popover; }

    void copyLink();
    void sendByMail();
    void cancel();

    QWidget *panel() const;
    QRectF arrowRect() const { return m_arrow; }  // empty unless a popover
    Button *copyLinkButton() const { return m_copyButton; }
    Button *mailButton() const { return m_mailButton; }
    Button *cancelButton() const { return m_cancelButton; }

    static QList<SharePanel *> visiblePanels() { return visibleOverlays<SharePanel>(); }

signals:
    void finished(SharePanel::Activity activity);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    // Builds the contents in `m_panel` at `width`; returns their height.
    qreal buildContents(qreal width, qreal rowHeight);
    void layOutSheet();
    void layOutPopover(const QPointF &anchor);
    Button *makeAction(QWidget *parent, const QRectF &frame, const QString &title, bool bold);
    void close(Activity activity);

    QString m_message;
    QUrl m_link;
    QImage m_image;
    bool m_popover = false;
    View *m_panel = nullptr;
    View *m_cancelPanel = nullptr;
    QRectF m_arrow;
    Button *m_copyButton = nullptr;
    Button *m_mailButton = nullptr;
    Button *m_cancelButton = nullptr;
};
