// The two player layouts: sizes by screen width, the centred button row, the first images
// and enabled states, and the wiring of real button presses.
#include "support/AudioTestFixture.h"

#include "platform/ui/Button.h"
#include "platform/ui/DeviceProfile.h"
#include "platform/ui/Label.h"
#include "platform/ui/View.h"
#include "platform/ui/ViewSupport.h"
#include "audio/ZQListPlayerBoxView.h"
#include "audio/ZQPlayerBoxView.h"

#include <QTest>

namespace {
QString imageOf(Button *button)
{
    return button->property("imageName").toString();
}

class PlayerBoxViewTest : public AudioTestFixture
{
protected:
    void TearDown() override
    {
        Screen::setDevice(DeviceProfile::defaultProfile());
        AudioTestFixture::TearDown();
    }
};
}

TEST_F(PlayerBoxViewTest, ListViewRowIsCentredWithItsFirstImagesAndIdleStates)
{
    Screen::setDevice(*DeviceProfile::preset(QStringLiteral("phone")));
    ZQListPlayerBoxView view(QRectF(0, 600, 375, 44));
    EXPECT_FLOAT_EQ(view.margin(), 15.0f);
    EXPECT_FLOAT_EQ(view.btnWidth(), 32.0f);
    EXPECT_FLOAT_EQ(view.btnHeight(), 32.0f);
    EXPECT_FLOAT_EQ(view.volumeSliderWidth(), 125.0f);
    EXPECT_FLOAT_EQ(view.timeLabelWidth(), 40.0f);
    EXPECT_EQ(ViewSupport::frame(view.boxView()), QRectF(0, 0, 375, 44));
    EXPECT_EQ(view.currItemIndex(), -1);
    EXPECT_EQ(view.playModel(), 0);

    const QList<Button *> row = {view.stopButton(),    view.lastButton(), view.speedDownButton(),
                                 view.playButton(),    view.speedUpButton(), view.nextButton(),
                                 view.playModelSwitchButton()};
    const qreal firstX = (375.0 - 7 * 32.0 - 6 * 15.0) / 2.0;
    for (int i = 0; i < row.size(); ++i) {
        ASSERT_NE(row.at(i), nullptr);
        EXPECT_EQ(row.at(i)->parentWidget(), view.boxView());
        EXPECT_EQ(ViewSupport::frame(row.at(i)), QRectF(firstX + i * 47.0, 6.0, 32.0, 32.0)) << i;
        EXPECT_TRUE(row.at(i)->showsTouchWhenHighlighted());
    }
    // The refresh at the end of construction: nothing to play yet but the play button.
    const QStringList images = {"zq_stop2", "last_item2", "speeddown2", "zq_play", "speedup2", "next_item2", "replay_seq"};
    const QList<bool> enabled = {false, false, false, true, false, false, true};
    for (int i = 0; i < row.size(); ++i) {
        EXPECT_EQ(imageOf(row.at(i)), images.at(i)) << i;
        EXPECT_EQ(row.at(i)->isEnabled(), enabled.at(i)) << i;
    }

    Label *hint = view.speedRemindLabel();
    ASSERT_NE(hint, nullptr);
    EXPECT_EQ(ViewSupport::frame(hint).size(), QSizeF(35, 30));
    EXPECT_TRUE(hint->isHidden());
    EXPECT_EQ(hint->textColor(), QColor::fromRgbF(1.0f / 3.0f, 1.0f / 3.0f, 1.0f / 3.0f));
    EXPECT_DOUBLE_EQ(hint->cornerRadius(), 3.0);
    EXPECT_NEAR(ViewSupport::alpha(hint), 0.8, 1e-9);

    // Setting up a list changes no button until the state next changes.
    view.setupPlayer(voices(3), 1, 0);
    EXPECT_EQ(imageOf(view.nextButton()), "next_item2");
    EXPECT_FALSE(view.nextButton()->isEnabled());

    // A real press of play goes through the wiring of addAllAction.
    view.show();
    QTest::mouseClick(view.playButton(), Qt::LeftButton, {}, QPoint(16, 16));
    EXPECT_EQ(view.playStatus(), 1);
    EXPECT_EQ(imageOf(view.playButton()), "zq_pause");
    EXPECT_TRUE(view.nextButton()->isEnabled());
    EXPECT_TRUE(view.stopButton()->isEnabled());
    QTest::mouseClick(view.nextButton(), Qt::LeftButton, {}, QPoint(16, 16));
    EXPECT_EQ(view.currItemIndex(), 1);
    EXPECT_TRUE(view.lastButton()->isEnabled());
    QTest::mouseClick(view.playModelSwitchButton(), Qt::LeftButton, {}, QPoint(16, 16));
    EXPECT_EQ(view.playModel(), 1);
    QTest::mouseClick(view.stopButton(), Qt::LeftButton, {}, QPoint(16, 16));
    EXPECT_EQ(view.playStatus(), 2);
}

TEST_F(PlayerBoxViewTest, SizesFollowTheScreen)
{
    Screen::setDevice(*DeviceProfile::preset(QStringLiteral("tablet")));
    ZQListPlayerBoxView list(QRectF(0, 0, 768, 44));
    EXPECT_FLOAT_EQ(list.margin(), 20.0f);
    EXPECT_FLOAT_EQ(list.btnWidth(), 40.0f);
    EXPECT_DOUBLE_EQ(ViewSupport::frame(list.stopButton()).x(), (768.0 - 7 * 40.0 - 6 * 20.0) / 2.0);
    EXPECT_DOUBLE_EQ(ViewSupport::frame(list.stopButton()).y(), 2.0);

    Screen::setDevice(*DeviceProfile::preset(QStringLiteral("se")));
    ZQPlayerBoxView compact(QRectF(0, 0, 300, 60));
    EXPECT_FLOAT_EQ(compact.margin(), 20.0f);
    EXPECT_FLOAT_EQ(compact.btnWidth(), 25.0f);
    EXPECT_FLOAT_EQ(compact.volumeSliderWidth(), 80.0f);
    EXPECT_FLOAT_EQ(compact.timeLabelWidth(), 40.0f);
    // A strip one button high, centred vertically, the buttons at its top.
    EXPECT_EQ(ViewSupport::frame(compact.boxView()), QRectF(0, 17.5, 300, 25));
    const QList<Button *> row = {compact.stopButton(), compact.speedDownButton(), compact.playButton(),
                                 compact.speedUpButton()};
    const QStringList images = {"zq_stop2", "speeddown2", "zq_play", "speedup2"};
    const qreal firstX = (300.0 - 4 * 25.0 - 3 * 20.0) / 2.0;
    for (int i = 0; i < row.size(); ++i) {
        EXPECT_EQ(ViewSupport::frame(row.at(i)), QRectF(firstX + i * 45.0, 0, 25, 25)) << i;
        EXPECT_EQ(imageOf(row.at(i)), images.at(i)) << i;
    }
    EXPECT_EQ(compact.lastButton(), nullptr);
    EXPECT_EQ(compact.nextButton(), nullptr);
    EXPECT_EQ(compact.speedRemindLabel()->textColor(), QColor(0, 0, 255));

    Screen::setDevice(*DeviceProfile::preset(QStringLiteral("phone")));
    ZQPlayerBoxView scaled(QRectF(0, 0, 300, 60));
    EXPECT_FLOAT_EQ(scaled.margin(), float(375.0 * 20.0 / 320.0));
    EXPECT_FLOAT_EQ(scaled.btnWidth(), float(375.0 * 25.0 / 320.0));
}
