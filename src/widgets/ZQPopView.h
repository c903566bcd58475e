#pragma once

#include "platform/ui/View.h"

#include <QPointer>

class Button;
class Label;

// Base of the pop-up panels: a dimming mask over the panel's parent and a title bar with a
// close button.
//
// closeAction removes the mask and then the panel from their parent; removed views are
// destroyed (later in the event loop). A panel closed without a mask is removed alone.
// There is no animation on showing or closing. Once its mask is shown the panel is modal for
// the keyboard: Escape closes it (KeyCommands).
//
// Thread: main thread. Failure: showMask without a parent does nothing (maskV stays absent).
class ZQPopView : public View
{
    Q_OBJECT
public:
    explicit ZQPopView(QWidget *parent = nullptr);
    ZQPopView(const QRectF &frame, QWidget *parent = nullptr);

    double headH() const { return m_headH; }
    void setHeadH(double height) { m_headH = height; }
    View *maskV() const { return m_maskV; }
    Label *titleLabel() const { return m_titleLabel; }
    Button *closeButton() const { return m_closeButton; }

    void showMask();
    void drawHead(const QString &title);
    virtual void closeAction(QObject *sender);

signals:
    void closed();

private:
    double m_headH = 40;
    QPointer<View> m_maskV;
    Label *m_titleLabel = nullptr;
    Button *m_closeButton = nullptr;
    bool m_keysRegistered = false;
};
