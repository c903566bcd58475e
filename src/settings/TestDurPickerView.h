#pragma once

#include "platform/ui/PickerView.h"
#include "platform/ui/View.h"

#include <QList>
#include <QPointer>

class Button;
class Label;
class SettingViewController;

// The pop-up in which the learner sets the quiz time limit: a title bar ("Test Duration"
// between "Cancel" and "OK") over a one-column picker of the durations 00:10 to 05:00 in
// steps of five seconds, on the bar-blue to band-green gradient, with a dimming mask over
// the screen behind it.
//
// The opening screen creates it, sets pickerH, calls initTestDurVals, initHeadView,
// initPickerView and initMaskView in that order, sets settingVC and pre-selects the
// stored duration with selectTestDur. OK stores the chosen duration under
// "TestDuration" (except 60 seconds while nothing is stored, which is the default
// already); OK and Cancel have the settings screen rebuild its table and close the pop-up.
//
// Ownership: the pop-up and its mask are children of the opening screen's view; closing
// removes both and destroys them later in the event loop. settingVC is a weak reference:
// when that screen is gone, OK and Cancel only close the pop-up.
// Thread: main thread. Failure: none.
class TestDurPickerView : public View, public PickerViewDelegate
{
    Q_OBJECT
public:
    explicit TestDurPickerView(const QRectF &frame, QWidget *parent = nullptr);

    qreal headH() const { return m_headH; }
    qreal pickerH() const { return m_pickerH; }
    void setPickerH(qreal height) { m_pickerH = height; }
    qreal itemRowH() const { return m_itemRowH; }
    qreal componentW() const { return m_componentW; }
    View *maskV() const { return m_maskV; }
    const QList<float> &testDurVals() const { return m_testDurVals; }
    PickerView *picker() const { return m_picker; }
    SettingViewController *settingVC() const { return m_settingVC; }
    void setSettingVC(SettingViewController *controller) { m_settingVC = controller; }
    Label *titleLabel() const { return m_titleLabel; }
    Button *cancelButton() const { return m_cancelButton; }
    Button *okButton() const { return m_okButton; }

    void initTestDurVals();
    void initHeadView();
    void initPickerView();
    void initMaskView();
    // Selects the row of `seconds`, or of the nearest duration on the wheel (the shorter of
    // two as near).
    void selectTestDur(float seconds);
    void okAction(QObject *sender);
    void closeAction(QObject *sender);

    // The picker's questions.
    int numberOfRowsInComponent(PickerView *picker, int component) override;
    QWidget *viewForRow(PickerView *picker, int row, int component, QWidget *reusing) override;
    qreal rowHeightForComponent(PickerView *picker, int component) override;
    qreal widthForComponent(PickerView *picker, int component) override;

private:
    void dismiss();

    qreal m_headH = 44.0;
    qreal m_pickerH = 200.0;
    qreal m_itemRowH = 40.0;
    qreal m_componentW = 200.0;
    QPointer<View> m_maskV;
    QList<float> m_testDurVals;
    PickerView *m_picker = nullptr;
    QPointer<SettingViewController> m_settingVC;
    Label *m_titleLabel = nullptr;
    Button *m_cancelButton = nullptr;
    Button *m_okButton = nullptr;
    bool m_closed = false;
};
