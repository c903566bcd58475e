#pragma once

#include "platform/ui/Button.h"
#include "platform/ui/Label.h"
#include "platform/ui/View.h"
#include "platform/foundation/WeakDelegate.h"
#include "ZQPlayerBoxDelegate.h"

#include <QAbstractSlider>
#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>

class AudioPlayer;
class MediaTimer;

// A playlist player control: an ordered list of audio files played one after another
// through the shared audio player (AudioPlayerSlot), with three play models (0 the list
// once, 1 repeat the current item, 2 repeat the list), repetitions per item, a pause of
// whole seconds before each item and a speed control. It has no layout of its own: the
// views ZQListPlayerBoxView and ZQPlayerBoxView create its buttons and labels and then call
// addAllAction() and resetBtnImage().
//
// playStatus: 0 idle (nothing started yet, or the last item finished), 1 playing,
// 2 stopped, 3 paused.
//
// The delegate protocol is the abstract class ZQPlayerBoxDelegate (empty defaults, weak
// reference).
//
// The pause before an item runs on a timer, not by holding the event loop: the box keeps
// the order and timing of a blocking wait (stop of the old item, the pause, the start, play
// to the delegate, the playing state), and button actions that arrive during the pause are
// carried out after the start, in order, as they would be after a blocking wait. Only stop
// acts at once: it cancels the pending start and the actions queued behind it.
//
// Thread: main thread; the progress tick, the pause and the speed hint run on media timers
// on the process clock, so tests drive the box on a manual clock.
// Failure: no report to the owner. Playing with an empty list or an index outside it does
// nothing and leaves the box idle; an item whose file is missing or cannot be decoded
// leaves the box idle on that item (the player logs the file).
class ZQPlayerBox : public View
{
    Q_OBJECT

public:
    explicit ZQPlayerBox(const QRectF &frame, QWidget *parent = nullptr);
    ~ZQPlayerBox() override;

    // ---- fields ------------------------------------------------------------------------
    float playRate() const { return m_playRate; }
    void setPlayRate(float rate) { m_playRate = rate; }
    int playStatus() const { return m_playStatus; }
    void setPlayStatus(int status) { m_playStatus = status; }
    float timerInterval() const { return m_timerInterval; }
    void setTimerInterval(float interval) { m_timerInterval = interval; }
    int currItemIndex() const { return m_currItemIndex; }
    void setCurrItemIndex(int index) { m_currItemIndex = index; }
    int playModel() const { return m_playModel; }
    void setPlayModel(int model) { m_playModel = model; }
    int numberOfItemLoops() const { return m_numberOfItemLoops; }
    void setNumberOfItemLoops(int loops) { m_numberOfItemLoops = loops; }
    int timeOfItemdelay() const { return m_timeOfItemdelay; }
    void setTimeOfItemdelay(int seconds) { m_timeOfItemdelay = seconds; }
    ZQPlayerBoxDelegate *delegate() const { return m_delegate.get(); }
    void setDelegate(ZQPlayerBoxDelegate *delegate) { m_delegate.set(delegate); }
    const QStringList &audioFileList() const { return m_audioFileList; }
    void setAudioFileList(const QStringList &list) { m_audioFileList = list; }

    QAbstractSlider *volumeSlider() const { return m_volumeSlider; }
    void setVolumeSlider(QAbstractSlider *slider) { m_volumeSlider = slider; }
    Button *stopButton() const { return m_stopButton; }
    void setStopButton(Button *button) { m_stopButton = button; }
    Button *lastButton() const { return m_lastButton; }
    void setLastButton(Button *button) { m_lastButton = button; }
    Button *playButton() const { return m_playButton; }
    void setPlayButton(Button *button) { m_playButton = button; }
    Button *nextButton() const { return m_nextButton; }
    void setNextButton(Button *button) { m_nextButton = button; }
    Button *speedDownButton() const { return m_speedDownButton; }
    void setSpeedDownButton(Button *button) { m_speedDownButton = button; }
    Button *speedUpButton() const { return m_speedUpButton; }
    void setSpeedUpButton(Button *button) { m_speedUpButton = button; }
    Button *playModelSwitchButton() const { return m_playModelSwitchButton; }
    void setPlayModelSwitchButton(Button *button) { m_playModelSwitchButton = button; }
    Label *timeLabel() const { return m_timeLabel; }
    void setTimeLabel(Label *label) { m_timeLabel = label; }
    MediaTimer *timer() const { return m_timer; }
    Label *speedRemindLabel() const { return m_speedRemindLabel; }
    void setSpeedRemindLabel(Label *label) { m_speedRemindLabel = label; }

    // The shared audio player of the process (AudioPlayerSlot).
    static AudioPlayer *sharedAudioPlayer();

    // ---- operations --------------------------------------------------------------------
    void setupPlayer(const QStringList &audioFileList);
    void setupPlayer(const QStringList &audioFileList, int numberOfItemLoops, int timeOfItemdelay);
    void addAllAction();

    void play(Button *sender = nullptr);
    void stop(Button *sender = nullptr);
    void stopPlay() { stop(nullptr); }
    void playLastItem(Button *sender = nullptr);
    void playNextItem(Button *sender = nullptr);
    void playItem(int index);
    void playAudioFile(const QString &path);
    void speedUp(Button *sender = nullptr);
    void speedDown(Button *sender = nullptr);
    void switchPlayModel(Button *sender = nullptr);
    void resetBtnImage();
    void resizeRate(AudioPlayer *player, float rate);
    void periodicTimeObserver();
    void audioPlayerDidFinishPlaying(AudioPlayer *player, bool successfully);

    // True while the pause before an item runs.
    bool isStartPending() const;

    // Sets an asset image (after ZQImageUtil::adjustImage) for the normal state and records
    // its name in the button's "imageName" property.
    static void setButtonImage(Button *button, const QString &imageName);

private:
    using Action = std::function<void()>;
    // Queues `action` behind a pending start; true when it was queued.
    bool deferWhileStarting(Action action);
    void startItem(const QString &path, Action continuation);
    void beginItem(const QString &path);
    void onDelayElapsed();
    void runDeferred();
    void cancelPendingStart();
    void changeSpeed(double step, Button *sender);

    float m_playRate = 1.0f;
    int m_playStatus = 0;
    float m_timerInterval = 0.0f;
    int m_currItemIndex = -1;
    int m_playModel = 0;
    int m_numberOfItemLoops = 0;
    int m_timeOfItemdelay = 0;
    WeakDelegate<ZQPlayerBoxDelegate> m_delegate;
    QStringList m_audioFileList;
    QPointer<QAbstractSlider> m_volumeSlider;
    QPointer<Button> m_stopButton;
    QPointer<Button> m_lastButton;
    QPointer<Button> m_playButton;
    QPointer<Button> m_nextButton;
    QPointer<Button> m_speedDownButton;
    QPointer<Button> m_speedUpButton;
    QPointer<Button> m_playModelSwitchButton;
    QPointer<Label> m_timeLabel;
    MediaTimer *m_timer = nullptr;
    QPointer<Label> m_speedRemindLabel;

    MediaTimer *m_delayTimer;
    MediaTimer *m_hintTimer;
    QString m_pendingPath;
    Action m_pendingContinuation;
    QList<Action> m_deferred;
};
