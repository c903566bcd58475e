// The playlist player's state machine on a manual clock: play models, loops, the pause
// between items and the controls acting in it, stop, pause and resume, speed changes, the
// shared player slot, and the guards for empty lists and unplayable files.
#include "support/AudioTestFixture.h"

#include "platform/media/AudioPlayer.h"
#include "platform/ui/Button.h"
#include "platform/ui/Label.h"
#include "platform/ui/View.h"
#include "platform/ui/ViewSupport.h"
#include "audio/ZQListPlayerBoxView.h"
#include "audio/ZQPlayerBox.h"

#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QSignalSpy>

#include <memory>

namespace {
// Logs every delegate call with the item it concerns and the clock time.
class LoggingDelegate : public ZQPlayerBoxDelegate
{
public:
    LoggingDelegate(const ManualMediaClock &clock, const QStringList &items) : m_clock(clock), m_items(items) {}

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
    const ManualMediaClock &m_clock;
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
    void press(Button *button) { Q_EMIT button->touchUpInside(button); }
};
}

TEST_F(PlayerBoxTest, SequentialListPausesBetweenItemsAndRestartsFromTheTopAtOnce)
{
    const QStringList items = voices(3);
    auto box = listBox(items);
    LoggingDelegate delegate(clock, items);
    box->setDelegate(&delegate);

    // The first item starts at once: the pause stands between items only.
    press(box->playButton());
    EXPECT_EQ(box->playStatus(), 1);
    clock.advanceMs(6000);
    EXPECT_EQ(delegate.events, QStringList({"play 0 @0.00", "finish 0 @1.00", "stop @1.00", "play 1 @2.00",
                                            "finish 1 @3.00", "stop @3.00", "play 2 @4.00", "finish 2 @5.00"}));
    EXPECT_EQ(box->playStatus(), 0);
    EXPECT_EQ(box->currItemIndex(), 2);
    EXPECT_EQ(box->nextItemIndex(), 0);  // the run has ended: play starts from the top
    EXPECT_FALSE(box->nextButton()->isEnabled());
    EXPECT_EQ(imageOf(box->nextButton()), "next_item2");
    EXPECT_TRUE(box->lastButton()->isEnabled());
    EXPECT_EQ(imageOf(box->playButton()), "zq_play");
    EXPECT_FALSE(box->stopButton()->isEnabled());
    EXPECT_GE(delegate.ticks, 25);  // about ten per second of sound
    EXPECT_FLOAT_EQ(delegate.lastInterval, 0.1f);

    // Play after the run: item 0 sounds at once, not the last item first.
    delegate.events.clear();
    press(box->playButton());
    EXPECT_EQ(delegate.events, QStringList({"stop @6.00", "play 0 @6.00"}));
    EXPECT_EQ(box->currItemIndex(), 0);
    EXPECT_EQ(box->playStatus(), 1);

    // Back on the last index without a finished run (an owner put it there), play plays it.
    box->stopPlay();
    box->setCurrItemIndex(2);
    delegate.events.clear();
    press(box->playButton());
    EXPECT_EQ(delegate.events, QStringList({"play 2 @6.00"}));
}

TEST_F(PlayerBoxTest, EveryControlActsInThePauseBetweenItems)
{
    const QStringList items = voices(4);
    auto box = listBox(items, 1, 1);
    LoggingDelegate delegate(clock, items);
    box->setDelegate(&delegate);
    QSignalSpy nextItem(box.get(), &ZQPlayerBox::nextItemChanged);

    press(box->playButton());
    clock.advanceMs(1100);  // item 0 ended at 1.0: the pause before item 1
    ASSERT_TRUE(box->isStartPending());
    EXPECT_EQ(box->playStatus(), 0);
    EXPECT_EQ(box->nextItemIndex(), 1);
    EXPECT_EQ(nextItem.last().first().toInt(), 1);
    // The list still runs: its controls are live.
    EXPECT_TRUE(box->stopButton()->isEnabled());
    EXPECT_EQ(imageOf(box->playButton()), "zq_pause");
    EXPECT_TRUE(box->speedUpButton()->isEnabled());

    // Stop: the pending start is dropped, the box rests stopped on item 0.
    press(box->stopButton());
    EXPECT_FALSE(box->isStartPending());
    EXPECT_EQ(box->playStatus(), 2);
    EXPECT_EQ(box->currItemIndex(), 0);
    EXPECT_EQ(nextItem.last().first().toInt(), 0);
    clock.advanceMs(3000);
    EXPECT_EQ(delegate.events.filter(QStringLiteral("play")), QStringList({"play 0 @0.00"}));

    // Play pauses the list in the pause; the next play starts the pending item at once.
    press(box->playButton());  // item 0 at 4.1
    clock.advanceMs(1200);     // in the pause before item 1
    press(box->playButton());
    EXPECT_EQ(box->playStatus(), 3);
    EXPECT_EQ(imageOf(box->playButton()), "zq_play");
    clock.advanceMs(3000);
    EXPECT_EQ(delegate.events.last(), "stop @5.10");
    press(box->playButton());
    EXPECT_EQ(delegate.events.last(), "play 1 @8.30");
    EXPECT_EQ(box->playStatus(), 1);

    // A faster speed in the pause is shown and applies to the item to come; next skips from
    // the pending item and starts at once.
    clock.advanceMs(1100);  // item 1 ended at 9.3
    ASSERT_TRUE(box->isStartPending());
    box->speedUp(box->speedUpButton());
    EXPECT_FLOAT_EQ(box->playRate(), 1.2f);
    EXPECT_EQ(box->speedRemindLabel()->text(), "1.2X");
    press(box->nextButton());
    EXPECT_EQ(delegate.events.last(), "play 3 @9.40");
    EXPECT_FLOAT_EQ(ZQPlayerBox::sharedAudioPlayer()->rate(), 1.2f);

    // Previous in a pause steps back from the pending item.
    box->playItem(1);
    clock.advanceMs(1000);  // item 1 ends: the pause before item 2
    ASSERT_TRUE(box->isStartPending());
    press(box->lastButton());
    EXPECT_EQ(delegate.events.last(), QStringLiteral("play 1 @%1").arg(seconds(), 0, 'f', 2));
}

TEST_F(PlayerBoxTest, ResumingTheLastItemGoesOnWithIt)
{
    const QStringList items = voices(2, 2.0);
    auto box = listBox(items, 1, 0);
    box->playItem(1);
    clock.advanceMs(800);
    press(box->playButton());  // pause
    press(box->playButton());  // resume: the same item goes on, the list does not restart
    EXPECT_EQ(box->currItemIndex(), 1);
    EXPECT_EQ(ZQPlayerBox::sharedAudioPlayer()->path(), items.at(1));
    EXPECT_NEAR(ZQPlayerBox::sharedAudioPlayer()->currentTime(), 0.8, 0.02);
}

TEST_F(PlayerBoxTest, RepeatModelsReplayTheItemOrTheList)
{
    const QStringList items = voices(2);
    auto box = listBox(items, 1, 0);
    LoggingDelegate delegate(clock, items);
    box->setDelegate(&delegate);

    // Model 1: the same item again after every finish.
    box->switchPlayModel(box->playModelSwitchButton());
    EXPECT_EQ(box->playModel(), 1);
    EXPECT_EQ(imageOf(box->playModelSwitchButton()), "replay_single");
    box->play();
    clock.advanceMs(3500);
    EXPECT_EQ(delegate.events.filter(QStringLiteral("play")),
              QStringList({"play 0 @0.00", "play 0 @1.00", "play 0 @2.00", "play 0 @3.00"}));

    // Model 2: after the last item the list starts again at item 0.
    box->switchPlayModel(box->playModelSwitchButton());
    EXPECT_EQ(imageOf(box->playModelSwitchButton()), "replay_all");
    delegate.events.clear();
    clock.advanceMs(3000);  // item 0 ends at 4.0
    EXPECT_EQ(delegate.events.filter(QStringLiteral("play")),
              QStringList({"play 1 @4.00", "play 0 @5.00", "play 1 @6.00"}));
    box->switchPlayModel(box->playModelSwitchButton());
    EXPECT_EQ(box->playModel(), 0);
    EXPECT_EQ(imageOf(box->playModelSwitchButton()), "replay_seq");
    box->stopPlay();

    // A single item: once in sequence, again and again when the list repeats.
    const QStringList one = voices(1);
    auto single = listBox(one, 1, 0);
    LoggingDelegate singleDelegate(clock, one);
    single->setDelegate(&singleDelegate);
    single->play();
    clock.advanceMs(5000);
    EXPECT_EQ(singleDelegate.events.filter(QStringLiteral("play")).size(), 1);
    EXPECT_EQ(single->playStatus(), 0);
    single->setPlayModel(2);
    single->play();
    clock.advanceMs(4500);
    EXPECT_EQ(singleDelegate.events.filter(QStringLiteral("play")).size(), 1 + 5);
}

TEST_F(PlayerBoxTest, ItemLoopsBelowTwoSoundOnceAndTwoSoundsThreeTimes)
{
    const QStringList items = voices(1);
    auto box = listBox(items, 1, 0);
    LoggingDelegate delegate(clock, items);
    box->setDelegate(&delegate);
    box->play();
    clock.advanceMs(5000);
    EXPECT_EQ(delegate.events, QStringList({"play 0 @0.00", "finish 0 @1.00"}));

    delegate.events.clear();
    box->setNumberOfItemLoops(2);
    box->play();
    clock.advanceMs(5000);
    EXPECT_EQ(delegate.events, QStringList({"play 0 @5.00", "finish 0 @8.00"}));
}

TEST_F(PlayerBoxTest, StopPauseAndResume)
{
    const QStringList items = voices(3);
    auto box = listBox(items, 1, 0);
    LoggingDelegate delegate(clock, items);
    box->setDelegate(&delegate);

    box->playItem(1);
    clock.advanceMs(400);
    box->play(box->playButton());  // pause
    EXPECT_EQ(box->playStatus(), 3);
    EXPECT_EQ(imageOf(box->playButton()), "zq_play");
    EXPECT_TRUE(box->stopButton()->isEnabled());  // unchanged from playing
    EXPECT_FALSE(box->speedUpButton()->isEnabled());
    const float rateBefore = box->playRate();
    box->speedUp(box->speedUpButton());  // ignored while paused
    EXPECT_FLOAT_EQ(box->playRate(), rateBefore);
    clock.advanceMs(10000);
    EXPECT_EQ(delegate.events, QStringList({"stop @0.00", "play 1 @0.00"}));
    EXPECT_NEAR(ZQPlayerBox::sharedAudioPlayer()->currentTime(), 0.4, 0.02);

    box->play(box->playButton());  // resume
    EXPECT_EQ(box->playStatus(), 1);
    EXPECT_EQ(imageOf(box->playButton()), "zq_pause");
    clock.advanceMs(300);

    // Stop: position and index back to 0, stopped state, one stop to the delegate.
    delegate.events.clear();
    box->stop(box->stopButton());
    EXPECT_EQ(box->playStatus(), 2);
    EXPECT_EQ(box->currItemIndex(), 0);
    EXPECT_DOUBLE_EQ(ZQPlayerBox::sharedAudioPlayer()->currentTime(), 0.0);
    EXPECT_FALSE(box->stopButton()->isEnabled());
    EXPECT_EQ(imageOf(box->stopButton()), "zq_stop2");
    box->stop(box->stopButton());  // already stopped: nothing
    clock.advanceMs(3000);
    EXPECT_EQ(delegate.events, QStringList({"stop @10.70"}));
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
    clock.advanceMs(199);
    EXPECT_FALSE(hint->isHidden());
    clock.advanceMs(2);
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

TEST_F(PlayerBoxTest, TheSpeedHintAboveTheStripShowsInFull)
{
    View window(QRectF(0, 0, 320, 200));
    window.setBackgroundColor(Qt::black);
    auto *box = new ZQListPlayerBoxView(QRectF(0, 156, 320, 44));
    window.addSubview(box);
    box->setupPlayer(voices(1, 3.0), 1, 0);
    window.show();
    box->play();
    box->speedUp(box->speedUpButton());
    Label *hint = box->speedRemindLabel();
    ASSERT_FALSE(hint->isHidden());
    const QRectF area(ViewSupport::convertToWindow(hint, QPointF(0, 0)), ViewSupport::frame(hint).size());
    ASSERT_LT(area.top(), 156.0 - 20.0);  // most of it lies above the strip

    // Its light grey shows all over its rectangle, above the strip too; nothing around it.
    const QImage shot = window.grab().toImage();
    int lit = 0, samples = 0;
    for (int y = int(area.top()) + 3; y < int(area.bottom()) - 3; ++y) {
        for (int x = int(area.left()) + 3; x < int(area.right()) - 3; ++x, ++samples)
            lit += qGray(shot.pixel(x, y)) > 60 ? 1 : 0;
    }
    EXPECT_GT(lit, samples * 3 / 4);
    EXPECT_EQ(qGray(shot.pixel(int(area.center().x()), int(area.top()) - 3)), 0);

    // It hides after 0.2 s, and with it goes what was drawn above the strip.
    clock.advanceMs(250);
    EXPECT_TRUE(hint->isHidden());
    EXPECT_EQ(qGray(window.grab().toImage().pixel(int(area.center().x()), int(area.center().y()) - 8)), 0);
}

TEST_F(PlayerBoxTest, ARateChangeMidListCarriesOverToTheFollowingItems)
{
    const QStringList items = voices(2, 2.0);
    auto box = listBox(items, 1, 0);
    LoggingDelegate delegate(clock, items);
    box->setDelegate(&delegate);
    box->play();
    clock.advanceMs(1000);
    box->speedUp(box->speedUpButton());
    box->speedUp(box->speedUpButton());
    box->speedUp(box->speedUpButton());
    box->speedUp(box->speedUpButton());
    box->speedUp(box->speedUpButton());  // 2.0: the second second of item 0 takes 0.5 s
    clock.advanceMs(3000);
    const QStringList finishes = delegate.events.filter(QStringLiteral("finish"));
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
    clock.advanceMs(500);
    AudioPlayer *playerA = ZQPlayerBox::sharedAudioPlayer();
    ASSERT_NE(playerA, nullptr);
    EXPECT_EQ(playerA->path(), first.at(0));

    b->play();
    AudioPlayer *playerB = ZQPlayerBox::sharedAudioPlayer();
    ASSERT_NE(playerB, nullptr);
    EXPECT_EQ(playerB->path(), second.at(0));
    EXPECT_TRUE(playerB->isPlaying());
    clock.advanceMs(5000);
    // A's sound was cut off without a word to A: no end event, state still playing.
    EXPECT_EQ(delegateA.events, QStringList({"play 0 @0.00"}));
    EXPECT_EQ(a->playStatus(), 1);
    EXPECT_EQ(b->playStatus(), 0);
}

TEST_F(PlayerBoxTest, EmptyListsOutOfRangeIndicesAndUnplayableFilesLeaveTheBoxIdle)
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
    clock.advanceMs(2000);
    EXPECT_EQ(bare.playStatus(), 0);
    EXPECT_EQ(ZQPlayerBox::sharedAudioPlayer(), nullptr);

    const QStringList items = voices(2);
    auto box = listBox(items, 1, 0);
    LoggingDelegate delegate(clock, items);
    box->setDelegate(&delegate);
    box->setCurrItemIndex(5);
    box->play();
    box->playItem(-1);
    box->playItem(2);
    EXPECT_EQ(box->playStatus(), 0);
    EXPECT_TRUE(delegate.events.isEmpty());

    // A missing voice: the box rests idle on that item, silent, without a start event.
    QStringList withMissing = items;
    withMissing.insert(1, folder + QStringLiteral("/missing.mp3"));
    box->setupPlayer(withMissing, 1, 1);
    box->play();
    clock.advanceMs(5000);
    EXPECT_EQ(delegate.events, QStringList({"play 0 @2.00", "finish 0 @3.00", "stop @3.00"}));
    EXPECT_EQ(box->playStatus(), 0);
    EXPECT_EQ(box->currItemIndex(), 1);
    EXPECT_EQ(ZQPlayerBox::sharedAudioPlayer(), nullptr);
    EXPECT_EQ(imageOf(box->playButton()), "zq_play");
    // The learner moves on by hand.
    box->playNextItem(box->nextButton());
    EXPECT_EQ(delegate.events.last(), "play 1 @7.00");  // the third entry, items[1], at once
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
    clock.advanceMs(2050);
    EXPECT_EQ(timeLabel->text(), "00:02");
    EXPECT_EQ(delegate->ticks, 20);
    delegate.reset();
    EXPECT_EQ(box->delegate(), nullptr);
    clock.advanceMs(2000);  // ticks and the end event reach no one
    EXPECT_EQ(box->playStatus(), 0);
}
