#pragma once

#include "TestDurPickerView.h"

#include "app/BaseViewController.h"
#include "platform/ui/AlertView.h"
#include "platform/ui/Label.h"
#include "platform/ui/MailComposer.h"
#include "platform/ui/SharePanel.h"
#include "platform/ui/Slider.h"
#include "platform/ui/Switch.h"
#include "platform/ui/TableView.h"

#include <QPointer>

class TableViewCell;

// The settings screen: a grouped table of the learner's experience points (opening the
// statistics screen), the playback speed with a slider, the quiz time limit (opening the
// duration picker), the size of the recordings folder (emptied after a confirmation), and
// the word feedback of the phrase card with a switch (on by default), and four rows that
// reach outside: a feedback mail, the maker's other applications, the review page in the
// store and a share panel.
//
// Every value is read afresh when the table is built (refreshSettings rebuilds it); the
// speed is stored while the slider moves, the time limit by the picker's OK, the word
// feedback ("kWordFeedback") when the switch flips (a tap on its row flips it too), the
// folder is emptied when the alert is confirmed. With a right-to-left interface language (Arabic)
// the titles sit at the right of their rows and the value labels at the left.
//
// Rows are told apart by their cell tags: 20 experience points, 60 speed, 66 time limit,
// 70 recordings, 76 word feedback, 80 feedback, 85 more apps, 90 review, 96 share.
//
// Ownership: the screen owns its table (rebuilt by refreshSettings), and the pop-ups it
// opens belong to its view or its window. Thread: main thread.
// Failure: an address that cannot be opened gets an in-window alert; a mail program that
// cannot be started reports "Failed to send"; errors while emptying the recordings folder
// are ignored and the size then shows what remains.
class SettingViewController : public BaseViewController, public TableViewDataSource, public TableViewDelegate
{
    Q_OBJECT
public:
    enum CellTag {
        kExperienceTag = 20,
        kPlaySpeedTag = 60,
        kTestDurationTag = 66,
        kClearCacheTag = 70,
        kWordFeedbackTag = 76,
        kFeedbackTag = 80,
        kMoreAppTag = 85,
        kReviewAppTag = 90,
        kShareAppTag = 96,
    };
    static constexpr int kClearCacheAlertTag = 4001;

    explicit SettingViewController(QObject *parent = nullptr);

    int sectionNum() const { return m_sectionNum; }
    qreal rowHeight() const { return m_rowHeight; }
    TableView *bodyView() const { return m_bodyView; }
    Label *sizeLbl() const { return m_sizeLbl; }
    Label *speedLbl() const { return m_speedLbl; }
    Label *testDurLbl() const { return m_testDurLbl; }
    Slider *speedSlider() const { return m_speedSlider; }
    Switch *wordFeedbackSwitch() const { return m_wordFeedbackSwitch; }
    bool isAR_LANG() const { return m_isArLang; }
    // Whether the interface language is written right to left (Arabic).
    static bool usesRightToLeft();
    // The cell that carries `tag`, null when the table has none.
    TableViewCell *cellWithTag(int tag) const;

    void viewDidLoad() override;
    void viewDidAppear(bool animated) override;
    void refreshSettings();

    // The table's questions.
    int numberOfSectionsInTableView(TableView *tableView) override;
    int numberOfRowsInSection(TableView *tableView, int section) override;
    qreal heightForRowAtIndexPath(TableView *tableView, const IndexPath &indexPath) override;
    TableViewCell *cellForRowAtIndexPath(TableView *tableView, const IndexPath &indexPath) override;
    void didSelectRowAtIndexPath(TableView *tableView, const IndexPath &indexPath) override;
    // Acts on the row with `tag`, as a tap on it does.
    void selectCellWithTag(int tag);

    void setPlaySpeed(Slider *slider);
    void setWordFeedback(Switch *sender);
    void alertViewClickedButtonAtIndex(AlertView *alert, int index);
    void mailComposeControllerDidFinish(MailComposer *composer, MailComposer::Result result);
    void showUserInfo(TableViewCell *cell);
    void showTestDurPicker();
    void confirmClearCache();
    void sendFeedback();
    void openMoreApps();
    void reviewApp();
    void shareApp();

    // The pop-ups the screen has open now (null when none).
    TestDurPickerView *testDurPicker() const { return m_picker; }
    AlertView *clearCacheAlert() const { return m_clearAlert; }
    MailComposer *mailComposer() const { return m_composer; }
    SharePanel *sharePanel() const { return m_sharePanel; }

    // The feedback mail's HTML body: blank lines, a rule, the version, hardware model and
    // system, and the store link of `country`.
    static QString feedbackBody(const QString &country);
    // The text shared: the translation of "shareMsg", else the application's name.
    static QString shareMessage();

private:
    void buildBody();
    void refreshSizeLabel();
    Label *addValueLabel(TableViewCell *cell, qreal x, qreal width, const QString &text);
    void buildSpeedRow(TableViewCell *cell);
    void buildWordFeedbackRow(TableViewCell *cell);

    int m_sectionNum = 3;
    qreal m_rowHeight = 50.0;
    QPointer<TableView> m_bodyView;
    QPointer<Label> m_sizeLbl;
    QPointer<Label> m_speedLbl;
    QPointer<Label> m_testDurLbl;
    QPointer<Slider> m_speedSlider;
    QPointer<Switch> m_wordFeedbackSwitch;
    bool m_isArLang = false;
    QPointer<TestDurPickerView> m_picker;
    QPointer<AlertView> m_clearAlert;
    QPointer<MailComposer> m_composer;
    QPointer<SharePanel> m_sharePanel;
};
