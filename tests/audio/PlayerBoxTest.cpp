// The playlist player's state machine on a manual clock: play models, loops, the pause
// before items, stop, pause and resume, speed changes, the shared player slot, and the
// guards for empty lists and unplayable files.
#include "support/AudioTestFixture.h"

#include "platform/media/AudioPlayer.h"
#include "platform/ui/Button.h"
#include "platform/ui/Label.h"
#include "platform/ui/ViewSupport.h"
#include "audio/ZQListPlayerBoxView.h"
#include "audio/ZQPlayerBox.h"

#include <QFile>

#include <memory>
#include <ostream>
#include <string>

namespace {
// Logs every delegate call with the item it concerns and the clock time.
class LoggingDelegate : public ZQPlayerBoxDelegate
{
public:
    LoggingDelegate(const ManualClock &clock, const QStringList &items) : m_clock(clock), m_items(items) {}

    void play(AudioPlayer *player) override { log(QStringLiteral("play"), player); }
    void stop(AudioPlayer *) override { log(QStringLiteral("stop"), nullptr); }
    void audioPlayerDidFinishPlaying(AudioPlayer *player, bool successfully) override
    {
        log(successfully ? QStringLiteral("finish") : QStringLiteral("failed"), player);
    }
    void periodicTimeObserver(AudioPlayer *, float interval) override
    {
        ++ticks;
        lastInterval = interval;
    }

    QStringList events;
    int ticks = 0;
    float lastInterval = 0;

private:
    void log(const QString &what, AudioPlayer *player)
    {
        QString entry = what;
        if (player)
            entry += QLatin1Char(' ') + QString::number(m_items.indexOf(player->path()));
        entry += QStringLiteral(" @") + QString::number(double(m_clock.nowUs()) / 1e6, 'f', 2);
        events.append(entry);
    }
    const ManualClock &m_clock;
    QStringList m_items;
};

QString imageOf(Button *button)
{
    return button ? button->property("imageName").toString() : QString();
}

class PlayerBoxTest : public AudioTestFixture
{
protected:
    std::unique_ptr<ZQListPlayerBoxView> listBox(const QStringList &items, int loops = 1, int delay = 1)
    {
        auto box = std::make_unique<ZQListPlayerBoxView>(QRectF(0, 0, 320, 44));
        box->setupPlayer(items, loops, delay);
        return box;
    }
    // A list box whose delegate calls `logged` records.
    std::unique_ptr<ZQListPlayerBoxView> loggedBox(const QStringList &items, int loops = 1, int delay = 1)
    {
        logged = std::make_unique<LoggingDelegate>(clock, items);
        auto box = listBox(items, loops, delay);
        box->setDelegate(logged.get());
        return box;
    }
    void press(Button *button) { Q_EMIT button->touchUpInside(button); }

    std::unique_ptr<LoggingDelegate> logged;
};
}

TEST_F(PlayerBoxTest, SequentialListPlaysEachItemOnceAfterItsPauseAndRestartsFromTheTop)
{
    const QStringList items = voices(3);
    auto box = loggedBox(items);

    press(box->playButton());
    EXPECT_EQ(box->playStatus(), 0);  // the pause before the first item
    clock.advance(999);
    EXPECT_TRUE(logged->events.isEmpty());
    clock.advance(6001);
    EXPECT_EQ(logged->events, QStringList({"play 0 @1.00", "finish 0 @2.00", "stop @2.00", "play 1 @3.00",
                                            "finish 1 @4.00", "stop @4.00", "play 2 @5.00", "finish 2 @6.00"}));
    EXPECT_EQ(box->playStatus(), 0);
    EXPECT_EQ(box->currItemIndex(), 2);
    EXPECT_FALSE(box->nextButton()->isEnabled());
    EXPECT_EQ(imageOf(box->nextButton()), "next_item2");
    EXPECT_TRUE(box->lastButton()->isEnabled());
    EXPECT_EQ(imageOf(box->playButton()), "zq_play");
    EXPECT_GE(logged->ticks, 25);  // about ten per second of sound
    EXPECT_FLOAT_EQ(logged->lastInterval, 0.1f);

    // Pressing play on the last index of a finished run: the last item starts, and is at
    // once replaced by item 0, each after its own pause.
    clock.advance(1000);
    logged->events.clear();
    press(box->playButton());
    clock.advance(2100);
    EXPECT_EQ(logged->events, QStringList({"play 2 @9.00", "stop @9.00", "play 0 @10.00"}));
    EXPECT_EQ(box->currItemIndex(), 0);
    EXPECT_EQ(box->playStatus(), 1);
}

TEST_F(PlayerBoxTest, TheModelButtonCyclesThroughTheThreeModels)
{
    auto box = listBox(voices(2), 1, 0);
    EXPECT_EQ(box->playModel(), 0);
    box->switchPlayModel(box->playModelSwitchButton());
    EXPECT_EQ(box->playModel(), 1);
    EXPECT_EQ(imageOf(box->playModelSwitchButton()), "replay_single");
    box->switchPlayModel(box->playModelSwitchButton());
    EXPECT_EQ(box->playModel(), 2);
    EXPECT_EQ(imageOf(box->playModelSwitchButton()), "replay_all");
    box->switchPlayModel(box->playModelSwitchButton());
    EXPECT_EQ(box->playModel(), 0);
    EXPECT_EQ(imageOf(box->playModelSwitchButton()), "replay_seq");
}

// A play model and the item starts it gives in 3.5 s of two one-second voices without pauses.
struct ModelCase
{
    const char *name;
    int model;
    QStringList starts;
};

void PrintTo(const ModelCase &modelCase, std::ostream *out)
{
    *out << modelCase.name;
}

class PlayerBoxModelTest : public PlayerBoxTest, public testing::WithParamInterface<ModelCase>
{
};

TEST_P(PlayerBoxModelTest, TwoVoicesPlayOnceOrTheItemAgainOrTheListAgain)
{
    auto box = loggedBox(voices(2), 1, 0);
    box->setPlayModel(GetParam().model);
    box->play();
    clock.advance(3500);
    EXPECT_EQ(logged->events.filter(QStringLiteral("play")), GetParam().starts);
}

INSTANTIATE_TEST_SUITE_P(
    Models, PlayerBoxModelTest,
    testing::Values(ModelCase{"Sequence", 0, {"play 0 @0.00", "play 1 @1.00"}},
                    ModelCase{"SameItem", 1, {"play 0 @0.00", "play 0 @1.00", "play 0 @2.00", "play 0 @3.00"}},
                    ModelCase{"WholeList", 2, {"play 0 @0.00", "play 1 @1.00", "play 0 @2.00", "play 1 @3.00"}}),
    [](const testing::TestParamInfo<ModelCase> &info) { return std::string(info.param.name); });

TEST_F(PlayerBoxTest, ASingleItemPlaysOnceInSequenceAndAgainAndAgainWhenTheListRepeats)
{
    auto single = loggedBox(voices(1), 1, 0);
    single->play();
    clock.advance(5000);
    EXPECT_EQ(logged->events.filter(QStringLiteral("play")).size(), 1);
    EXPECT_EQ(single->playStatus(), 0);
    single->setPlayModel(2);
    single->play();
    clock.advance(4500);
    EXPECT_EQ(logged->events.filter(QStringLiteral("play")).size(), 1 + 5);
}

TEST_F(PlayerBoxTest, ItemLoopsBelowTwoSoundOnceAndTwoSoundsThreeTimes)
{
    const QStringList items = voices(1);
    auto box = loggedBox(items, 1, 0);
    box->play();
    clock.advance(5000);
    EXPECT_EQ(logged->events, QStringList({"play 0 @0.00", "finish 0 @1.00"}));

    logged->events.clear();
    box->setNumberOfItemLoops(2);
    box->play();
    clock.advance(5000);
    EXPECT_EQ(logged->events, QStringList({"play 0 @5.00", "finish 0 @8.00"}));
}

TEST_F(PlayerBoxTest, PauseHoldsThePositionIgnoresSpeedChangesAndResumesFromThere)
{
    const QStringList items = voices(3);
    auto box = loggedBox(items, 1, 0);

    box->playItem(1);
    clock.advance(400);
    box->play(box->playButton());  // pause
    EXPECT_EQ(box->playStatus(), 3);
    EXPECT_EQ(imageOf(box->playButton()), "zq_play");
    EXPECT_TRUE(box->stopButton()->isEnabled());  // unchanged from playing
    EXPECT_FALSE(box->speedUpButton()->isEnabled());
    const float rateBefore = box->playRate();
    box->speedUp(box->speedUpButton());  // ignored while paused
    EXPECT_FLOAT_EQ(box->playRate(), rateBefore);
    clock.advance(10000);
    EXPECT_EQ(logged->events, QStringList({"stop @0.00", "play 1 @0.00"}));
    ASSERT_NE(ZQPlayerBox::sharedAudioPlayer(), nullptr);
    EXPECT_NEAR(ZQPlayerBox::sharedAudioPlayer()->currentTime(), 0.4, 0.02);

    box->play(box->playButton());  // resume
    EXPECT_EQ(box->playStatus(), 1);
    EXPECT_EQ(imageOf(box->playButton()), "zq_pause");
    clock.advance(300);
    EXPECT_NEAR(ZQPlayerBox::sharedAudioPlayer()->currentTime(), 0.7, 0.02);
}

TEST_F(PlayerBoxTest, StopReturnsToTheFirstItemAndTellsTheDelegateOnce)
{
    const QStringList items = voices(3);
    auto box = loggedBox(items, 1, 0);
    box->playItem(1);
    clock.advance(300);
    const float rateBefore = box->playRate();

    // Stop: position and index back to 0, stopped state, one stop to the logged->
    logged->events.clear();
    box->stop(box->stopButton());
    EXPECT_EQ(box->playStatus(), 2);
    EXPECT_EQ(box->currItemIndex(), 0);
    ASSERT_NE(ZQPlayerBox::sharedAudioPlayer(), nullptr);
    EXPECT_DOUBLE_EQ(ZQPlayerBox::sharedAudioPlayer()->currentTime(), 0.0);
    EXPECT_FALSE(box->stopButton()->isEnabled());
    EXPECT_EQ(imageOf(box->stopButton()), "zq_stop2");
    box->stop(box->stopButton());  // already stopped: nothing
    clock.advance(3000);
    EXPECT_EQ(logged->events, QStringList({"stop @0.30"}));
    box->speedDown(box->speedDownButton());  // ignored while stopped
    EXPECT_FLOAT_EQ(box->playRate(), rateBefore);
}

TEST_F(PlayerBoxTest, SpeedChangesAreBoundedForThePlayerButNotForThePlayRate)
{
    const QStringList items = voices(2, 5.0);
    auto box = listBox(items, 1, 0);
    box->show();
    box->play();
    AudioPlayer *player = ZQPlayerBox::sharedAudioPlayer();
    ASSERT_NE(player, nullptr);
    Button *up = box->speedUpButton();
    Label *hint = box->speedRemindLabel();
    const QStringList expectedHints = {"1.2X", "1.4X", "1.6X", "1.8X", "2.0X", "2.0X", "2.0X"};
    for (int press = 0; press < 7; ++press) {
        box->speedUp(up);
        EXPECT_EQ(hint->text(), expectedHints.at(press));
        EXPECT_FALSE(hint->isHidden());
    }
    EXPECT_NEAR(box->playRate(), 2.4f, 1e-5);
    EXPECT_FLOAT_EQ(player->rate(), 2.0f);

    // The hint sits centred over the pressed button, its bottom 5 points above the top the
    // centred label had; it hides again after 0.2 seconds.
    const QRectF button = ViewSupport::frame(up);
    const QRectF label = ViewSupport::frame(hint);
    EXPECT_DOUBLE_EQ(label.center().x(), button.center().x());
    EXPECT_DOUBLE_EQ(label.bottom(), button.center().y() - label.height() / 2.0 - 5.0);
    clock.advance(199);
    EXPECT_FALSE(hint->isHidden());
    clock.advance(2);
    EXPECT_TRUE(hint->isHidden());

    // Speed down below the bound: the player stops at 0.2.
    for (int press = 0; press < 14; ++press)
        box->speedDown(box->speedDownButton());
    EXPECT_NEAR(box->playRate(), -0.4f, 1e-5);
    EXPECT_FLOAT_EQ(player->rate(), 0.2f);
    EXPECT_EQ(hint->text(), "0.2X");

    // The next item starts at the (bounded) play rate.
    box->setPlayRate(1.2f);
    box->playNextItem(box->nextButton());
    EXPECT_FLOAT_EQ(ZQPlayerBox::sharedAudioPlayer()->rate(), 1.2f);
}

TEST_F(PlayerBoxTest, ARateChangeMidListCarriesOverToTheFollowingItems)
{
    const QStringList items = voices(2, 2.0);
    auto box = loggedBox(items, 1, 0);
    box->play();
    clock.advance(1000);
    box->speedUp(box->speedUpButton());
    box->speedUp(box->speedUpButton());
    box->speedUp(box->speedUpButton());
    box->speedUp(box->speedUpButton());
    box->speedUp(box->speedUpButton());  // 2.0: the second second of item 0 takes 0.5 s
    clock.advance(3000);
    const QStringList finishes = logged->events.filter(QStringLiteral("finish"));
    ASSERT_EQ(finishes.size(), 2);
    EXPECT_NEAR(finishes.at(0).section(QLatin1Char('@'), 1).toDouble(), 1.5, 0.03);
    EXPECT_NEAR(finishes.at(1).section(QLatin1Char('@'), 1).toDouble(), 2.5, 0.03);
    EXPECT_FLOAT_EQ(ZQPlayerBox::sharedAudioPlayer()->rate(), 2.0f);
}

TEST_F(PlayerBoxTest, StartingAnItemInAnotherBoxSilencesThePreviousOne)
{
    const QStringList first = voices(2, 3.0);
    const QStringList second = voices(1, 1.0);
    auto a = listBox(first, 1, 0);
    auto b = listBox(second, 1, 0);
    LoggingDelegate delegateA(clock, first);
    a->setDelegate(&delegateA);
    a->play();
    clock.advance(500);
    AudioPlayer *playerA = ZQPlayerBox::sharedAudioPlayer();
    ASSERT_NE(playerA, nullptr);
    EXPECT_EQ(playerA->path(), first.at(0));

    b->play();
    AudioPlayer *playerB = ZQPlayerBox::sharedAudioPlayer();
    ASSERT_NE(playerB, nullptr);
    EXPECT_EQ(playerB->path(), second.at(0));
    EXPECT_TRUE(playerB->isPlaying());
    clock.advance(5000);
    // A's sound was cut off without a word to A: no end event, state still playing.
    EXPECT_EQ(delegateA.events, QStringList({"play 0 @0.00"}));
    EXPECT_EQ(a->playStatus(), 1);
    EXPECT_EQ(b->playStatus(), 0);
}

TEST_F(PlayerBoxTest, NextPressedDuringThePauseBeforeAnItemIsCarriedOutOnceItHasStarted)
{
    const QStringList items = voices(3, 2.0);
    auto box = loggedBox(items, 1, 1);
    box->play(box->playButton());
    clock.advance(500);
    box->playNextItem(box->nextButton());
    EXPECT_EQ(box->currItemIndex(), 0);
    clock.advance(600);
    EXPECT_EQ(logged->events, QStringList({"play 0 @1.00", "stop @1.00"}));
    EXPECT_EQ(box->currItemIndex(), 1);
    clock.advance(1000);
    ASSERT_FALSE(logged->events.isEmpty());
    EXPECT_EQ(logged->events.last(), "play 1 @2.00");
}

TEST_F(PlayerBoxTest, StopDuringThePauseBeforeTheNextItemStartsNothing)
{
    const QStringList items = voices(3, 2.0);
    auto box = loggedBox(items, 1, 1);
    box->play(box->playButton());
    clock.advance(1100);  // item 0 plays from 1.00
    box->playNextItem(box->nextButton());
    clock.advance(300);
    ASSERT_TRUE(box->isStartPending());
    box->stopPlay();
    EXPECT_FALSE(box->isStartPending());
    clock.advance(5000);
    EXPECT_EQ(logged->events.filter(QStringLiteral("play")), QStringList({"play 0 @1.00"}));
    ASSERT_FALSE(logged->events.isEmpty());
    EXPECT_EQ(logged->events.last(), "stop @1.40");
    EXPECT_EQ(box->playStatus(), 2);
    EXPECT_EQ(box->currItemIndex(), 0);
}

TEST_F(PlayerBoxTest, StopWhileTheFirstStartIsPendingStartsNothing)
{
    const QStringList items = voices(3, 2.0);
    auto box = loggedBox(items, 1, 1);
    box->play(box->playButton());
    clock.advance(500);
    ASSERT_TRUE(box->isStartPending());
    box->stopPlay();
    clock.advance(3000);
    EXPECT_TRUE(logged->events.filter(QStringLiteral("play")).isEmpty()) << logged->events.join(", ").toStdString();
    EXPECT_EQ(box->playStatus(), 2);
}

TEST_F(PlayerBoxTest, ABoxWithoutAListOrWithAnEmptyOneStaysIdle)
{
    ZQPlayerBox bare(QRectF(0, 0, 100, 40));
    EXPECT_EQ(bare.currItemIndex(), -1);
    EXPECT_FLOAT_EQ(bare.playRate(), 1.0f);
    bare.play();  // no list at all
    EXPECT_EQ(bare.playStatus(), 0);
    bare.setupPlayer({});
    bare.play();
    bare.playItem(0);
    bare.playNextItem();
    clock.advance(2000);
    EXPECT_EQ(bare.playStatus(), 0);
    EXPECT_EQ(ZQPlayerBox::sharedAudioPlayer(), nullptr);
}

TEST_F(PlayerBoxTest, OutOfRangeIndicesStartNothing)
{
    const QStringList items = voices(2);
    auto box = loggedBox(items, 1, 0);
    box->setCurrItemIndex(5);
    box->play();
    box->playItem(-1);
    box->playItem(2);
    clock.advance(2000);
    EXPECT_EQ(box->playStatus(), 0);
    EXPECT_TRUE(logged->events.isEmpty()) << logged->events.join(", ").toStdString();
    EXPECT_EQ(ZQPlayerBox::sharedAudioPlayer(), nullptr);
}

TEST_F(PlayerBoxTest, AMissingVoiceLeavesTheBoxIdleOnThatItemUntilTheLearnerMovesOn)
{
    const QStringList items = voices(2);
    auto box = loggedBox(items, 1, 0);
    QStringList withMissing = items;
    withMissing.insert(1, folder + QStringLiteral("/missing.mp3"));
    box->setupPlayer(withMissing, 1, 1);
    box->play();
    clock.advance(5000);
    EXPECT_EQ(logged->events, QStringList({"play 0 @1.00", "finish 0 @2.00", "stop @2.00"}));
    EXPECT_EQ(box->playStatus(), 0);
    EXPECT_EQ(box->currItemIndex(), 1);
    EXPECT_EQ(ZQPlayerBox::sharedAudioPlayer(), nullptr);
    EXPECT_EQ(imageOf(box->playButton()), "zq_play");
    // The learner moves on by hand.
    box->playNextItem(box->nextButton());
    clock.advance(1000);
    ASSERT_FALSE(logged->events.isEmpty());
    EXPECT_EQ(logged->events.last(), "play 1 @6.00");  // the third entry, items[1]
}

TEST_F(PlayerBoxTest, ProgressTicksShowTheTimeAndADestroyedDelegateIsNeverCalled)
{
    const QStringList items = voices(1, 3.0);
    auto box = listBox(items, 1, 0);
    auto timeLabel = std::make_unique<Label>(QRectF(0, 0, 40, 20));
    box->setTimeLabel(timeLabel.get());
    auto delegate = std::make_unique<LoggingDelegate>(clock, items);
    box->setDelegate(delegate.get());
    box->play();
    clock.advance(2050);
    EXPECT_EQ(timeLabel->text(), "00:02");
    EXPECT_EQ(delegate->ticks, 20);
    delegate.reset();
    EXPECT_EQ(box->delegate(), nullptr);
    clock.advance(2000);  // ticks and the end event reach no one
    EXPECT_EQ(box->playStatus(), 0);
}
