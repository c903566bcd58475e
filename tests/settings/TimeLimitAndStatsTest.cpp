// The time-limit picker as the settings screen opens it, and the statistics screen.
#include "SettingsFixture.h"

#include "content/AppCommon.h"
#include "platform/foundation/Preferences.h"
#include "platform/ui/Button.h"
#include "platform/ui/Label.h"
#include "platform/ui/PickerView.h"
#include "platform/ui/TableViewCell.h"
#include "settings/TestDurPickerView.h"
#include "settings/UserInfoVC.h"

#include <QPointer>
#include <QTest>

namespace {
class TimeLimitTest : public SettingsFixture
{
protected:
    TestDurPickerView *openPicker()
    {
        settings->selectCellWithTag(SettingViewController::kTestDurationTag);
        return settings->testDurPicker();
    }
    static QVariant stored() { return Preferences::value(QString::fromLatin1(AppCommon::kTestDurationKey)); }
    // Chooses `seconds` on the picker's wheel and presses OK.
    void choose(TestDurPickerView *picker, float seconds)
    {
        picker->picker()->selectRow(int(picker->testDurVals().indexOf(seconds)), 0, false);
        QTest::mouseClick(picker->okButton(), Qt::LeftButton, {}, picker->okButton()->rect().center());
        AppFixture::flushDeletes();
    }
};

class StatisticsTest : public SettingsFixture
{
protected:
    UserInfoVC *openStatistics()
    {
        settings->selectCellWithTag(SettingViewController::kExperienceTag);
        nav->finishTransition();
        return qobject_cast<UserInfoVC *>(nav->topViewController());
    }
    static QStringList values(UserInfoVC *screen)
    {
        QStringList texts;
        for (int row = 0; row < screen->bodyView()->numberOfRowsInSection(1); ++row)
            texts << screen->bodyView()->cellForRowAtIndexPath({1, row})->detailTextLabel()->text();
        return texts;
    }
    static QString total(UserInfoVC *screen)
    {
        return screen->bodyView()->cellForRowAtIndexPath({0, 0})->detailTextLabel()->text();
    }
};
}

TEST_F(TimeLimitTest, PickerOpensOnTheStoredLimitAboveTheUsableBottom)
{
    open(*DeviceProfile::preset(QStringLiteral("notch")));
    TestDurPickerView *picker = openPicker();
    ASSERT_NE(picker, nullptr);
    const qreal usable = 812 - 34;
    EXPECT_EQ(picker->frame(), QRectF(0, usable - 256, 375, 256));
    EXPECT_DOUBLE_EQ(picker->pickerH(), 216);
    EXPECT_EQ(picker->picker()->frame(), QRectF(0, 44, 375, 216));
    ASSERT_EQ(picker->testDurVals().size(), 59);
    EXPECT_FLOAT_EQ(picker->testDurVals().first(), 10);
    EXPECT_FLOAT_EQ(picker->testDurVals().last(), 300);
    EXPECT_EQ(picker->picker()->selectedRowInComponent(0), 10) << "01:00 when nothing is stored";
    EXPECT_EQ(qobject_cast<Label *>(picker->picker()->viewForRow(58, 0))->text(), QStringLiteral("05:00"));
    EXPECT_EQ(picker->titleLabel()->text(), QStringLiteral("Test Duration"));
    ASSERT_NE(picker->maskV(), nullptr);
    EXPECT_EQ(picker->maskV()->frame(), QRectF(0, 0, 375, 812));
    EXPECT_EQ(picker->settingVC(), settings);

    // A stored limit that is not a row of the wheel opens on the nearest row, so OK keeps
    // it as close as the wheel allows instead of dropping it to 00:10.
    picker->closeAction(picker->cancelButton());
    AppFixture::flushDeletes();
    const auto rowFor = [this](double seconds) {
        Preferences::setValue(QString::fromLatin1(AppCommon::kTestDurationKey), seconds);
        TestDurPickerView *reopened = openPicker();
        const int row = reopened->picker()->selectedRowInComponent(0);
        reopened->closeAction(reopened->cancelButton());
        AppFixture::flushDeletes();
        return row;
    };
    EXPECT_EQ(rowFor(43), 7) << "00:45";
    EXPECT_EQ(rowFor(42.5), 6) << "the shorter of 00:40 and 00:45";
    EXPECT_EQ(rowFor(900), 58) << "05:00";
    EXPECT_EQ(rowFor(3), 0) << "00:10";
}

TEST_F(TimeLimitTest, OkStoresAChangeButNotTheDefaultWhileUnset)
{
    open();
    choose(openPicker(), 60);
    EXPECT_FALSE(stored().isValid()) << "60 while unset writes nothing";
    EXPECT_EQ(settings->testDurPicker(), nullptr) << "OK closes the picker";

    choose(openPicker(), 120);
    EXPECT_DOUBLE_EQ(stored().toDouble(), 120);
    EXPECT_EQ(settings->testDurLbl()->text(), QStringLiteral("02:00")) << "the table is rebuilt";
    EXPECT_DOUBLE_EQ(AppCommon::testDuration(), 120) << "what the next quiz counts down from";

    TestDurPickerView *picker = openPicker();
    EXPECT_EQ(picker->picker()->selectedRowInComponent(0), 22);
    choose(picker, 60);
    EXPECT_DOUBLE_EQ(stored().toDouble(), 60) << "60 after 120 writes 60";
    EXPECT_EQ(settings->testDurLbl()->text(), QStringLiteral("01:00"));

    // Cancel keeps what is stored.
    picker = openPicker();
    picker->picker()->selectRow(58, 0, false);
    QPointer<View> mask = picker->maskV();
    picker->closeAction(picker->cancelButton());
    AppFixture::flushDeletes();
    EXPECT_DOUBLE_EQ(stored().toDouble(), 60);
    EXPECT_TRUE(mask.isNull()) << "the mask goes with the picker";
}

TEST_F(TimeLimitTest, PickerOutlivingItsSettingsScreenJustCloses)
{
    open();
    // A picker opened over a view whose settings screen is gone.
    View host(QRectF(0, 0, 375, 667));
    QPointer<TestDurPickerView> picker = new TestDurPickerView(QRectF(0, 411, 375, 256), &host);
    picker->initTestDurVals();
    picker->initHeadView();
    picker->initPickerView();
    picker->initMaskView();
    {
        SettingViewController gone;
        picker->setSettingVC(&gone);
    }
    EXPECT_EQ(picker->settingVC(), nullptr);
    picker->selectTestDur(300);
    picker->okAction(picker->okButton());
    AppFixture::flushDeletes();
    EXPECT_TRUE(picker.isNull());
    EXPECT_DOUBLE_EQ(stored().toDouble(), 300);
}

TEST_F(StatisticsTest, FreshRecordThenAQuizOfSeventy)
{
    open();
    UserInfoVC *screen = openStatistics();
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->toolBar()->titleLabel()->text(), QStringLiteral("XP"));
    EXPECT_EQ(screen->bodyView()->numberOfRowsInSection(0), 1);
    EXPECT_DOUBLE_EQ(screen->bodyView()->rectForRowAtIndexPath({0, 0}).height(), 90);
    EXPECT_DOUBLE_EQ(screen->bodyView()->rectForRowAtIndexPath({1, 0}).height(), 50);
    EXPECT_FALSE(screen->bodyView()->allowsSelection());
    EXPECT_EQ(total(screen), QStringLiteral("10"));
    EXPECT_EQ(values(screen), (QStringList{"10 * 1", "5 * 0", "5 * 0", "5 * 0", "10 * 0", "0", "1000 * 0"}));
    QStringList titles;
    for (int row = 0; row < 7; ++row)
        titles << screen->bodyView()->cellForRowAtIndexPath({1, row})->textLabel()->text();
    EXPECT_EQ(titles, (QStringList{"Start App", "Listen Word", "Write Word", "Read Word", "Quiz Times", "Quiz Score",
                                   "Review App"}));

    // The screen is a snapshot; a new one shows the quiz.
    AppCommon::addQuizRecord(70);
    AppCommon::increaseUserInfoCount(QStringLiteral("kWriteCount"));
    EXPECT_EQ(values(screen).at(4), QStringLiteral("10 * 0"));
    screen->back(nullptr);
    nav->finishTransition();
    AppFixture::flushDeletes();
    UserInfoVC *again = openStatistics();
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(total(again), QString::number(10 + 80 + 5)) << "the quiz adds 10 and its 70 points";
    EXPECT_EQ(values(again), (QStringList{"10 * 1", "5 * 0", "5 * 1", "5 * 0", "10 * 1", "70", "1000 * 0"}));
}
