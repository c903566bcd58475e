#pragma once

#include "WindowOverlay.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>

class Button;
class Label;
class View;

// In-window alerts and action sheets of the phone toolkit (never native dialogs, which
// would block headless runs). The alert covers its window with a dimming mask; its panel
// (centred for an alert, at the bottom for an action sheet) shows a title, a message and
// its buttons. A tap on a button emits clicked(index) and closes the alert; a tap on the
// mask of an action sheet counts as its cancel button. Button indices follow the order of
// addButton(); alert() puts the cancel button first (index 0), as the toolkit's alert view.
// Escape counts as the cancel button (or the button setEscapeButtonIndex names: an alert whose
// way out is not a cancel button); while shown, the alert takes every key (KeyCommands).
//
// Ownership: a shown alert belongs to its window (Qt parent) and deletes itself once closed
// (WindowOverlay).
// Thread: main thread. Failure: show() returns false when there is no window to show in
// (the alert is then deleted later).
class AlertView : public WindowOverlay
{
    Q_OBJECT
public:
    enum class Style { Alert, ActionSheet };

    AlertView(const QString &title, const QString &message, Style style = Style::Alert);
    // An alert with a cancel button (index 0, omitted when the text is empty) and others.
    static AlertView *alert(const QString &title, const QString &message, const QString &cancelTitle,
                            const QStringList &otherTitles = {});

    int addButton(const QString &title);
    void setCancelButtonIndex(int index) { m_cancelIndex = index; }
    int cancelButtonIndex() const { return m_cancelIndex; }
    // The button Escape presses (-1, the default: the cancel button).
    void setEscapeButtonIndex(int index) { m_escapeIndex = index; }
    int escapeButtonIndex() const { return m_escapeIndex >= 0 ? m_escapeIndex : m_cancelIndex; }
    int numberOfButtons() const { return int(m_titles.size()); }
    QString buttonTitle(int index) const { return m_titles.value(index); }
    QString title() const { return m_title; }
    QString message() const { return m_message; }
    Style style() const { return m_style; }
    void setTag(int tag) { m_tag = tag; }
    int tag() const { return m_tag; }

    // Shows the alert over `window` (the key window when null).
    bool show(QWidget *window = nullptr);
    // As a tap on the button at `index`.
    void clickButton(int index);
    Button *button(int index) const { return m_buttons.value(index); }
    QWidget *panel() const;

    static QList<AlertView *> visibleAlerts() { return visibleOverlays<AlertView>(); }

signals:
    void clicked(int index);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void layOut();

    QString m_title;
    QString m_message;
    Style m_style;
    QStringList m_titles;
    int m_cancelIndex = -1;
    int m_escapeIndex = -1;
    int m_tag = 0;
    View *m_panel = nullptr;
    QList<Button *> m_buttons;
};
