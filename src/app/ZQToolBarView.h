#pragma once

#include "platform/ui/Button.h"
#include "platform/ui/View.h"

#include <QPointer>

class Label;

// The tool bar's delegate: `back` is called with the pressed button when the bar's default
// left button is pressed.
class ToolBarDelegete
{
public:
    virtual ~ToolBarDelegete() = default;
    virtual void back(QObject *sender) = 0;
};

// The top bar of every screen: bar blue, 44 points high, just below the top inset, across
// the screen; a content view (innerToolBar) holds the centred title and the left and right
// buttons.
//
// Thread: main thread. Failure: none; without a delegate the back button does nothing.
class ZQToolBarView : public View
{
    Q_OBJECT
public:
    // The given frame is replaced by (0, top inset, screen width, 44).
    explicit ZQToolBarView(const QRectF &frame, QWidget *parent = nullptr);

    qreal btnWidth() const { return m_btnWidth; }
    qreal topH() const { return m_topH; }
    qreal marginW() const { return m_marginW; }
    qreal barHeight() const { return m_barHeight; }
    View *innerToolBar() const { return m_innerToolBar; }
    Label *titleLabel() const { return m_titleLabel; }
    Button *leftBtn() const { return m_leftBtn; }
    Button *rightBtn() const { return m_rightBtn; }
    void setDelegate(ToolBarDelegete *delegate);
    ToolBarDelegete *delegate() const;

    // The title label: 240 wide, centred, full bar height, bold white text of 0.4 x its
    // height, shrinking to fit. A second call changes the text of the same label.
    void setTitle(const QString &title);
    // The given button, or (when none) the back button ("btn_back", calling back), at
    // (0, 0, btnWidth, barHeight).
    void setLeftBtn(Button *button = nullptr);
    // Nothing without a button; else the button at the right end, marginW from the edge.
    void setRightBtn(Button *button = nullptr);
    // The back button's action: forwards to the delegate.
    void back(QObject *sender);

private:
    qreal m_btnWidth = 44;
    qreal m_topH = 0;
    qreal m_marginW = 2;
    qreal m_barHeight = 44;
    View *m_innerToolBar = nullptr;
    Label *m_titleLabel = nullptr;
    QPointer<Button> m_leftBtn;
    QPointer<Button> m_rightBtn;
    ToolBarDelegete *m_delegate = nullptr;
    QPointer<QObject> m_delegateGuard;
    bool m_delegateGuarded = false;
};
