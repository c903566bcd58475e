#include "ZQPlayerBox.h"

#include "platform/ui/AssetImages.h"
#include "platform/media/AudioPlayer.h"
#include "platform/media/AudioPlayerSlot.h"
#include "platform/media/AudioSession.h"
#include "platform/ui/Button.h"
#include "platform/ui/Label.h"
#include "platform/media/MediaTimer.h"
#include "platform/media/PlaybackRate.h"
#include "platform/ui/ViewSupport.h"
#include "widgets/ZQImageUtil.h"

#include <QAbstractSlider>
#include <QPointer>

#include <cmath>
#include <utility>

ZQPlayerBox::ZQPlayerBox(const QRectF &frame, QWidget *parent)
    : View(frame, parent), m_delayTimer(new MediaTimer(this)), m_hintTimer(new MediaTimer(this))
{
    m_currItemIndex = -1;
    m_playRate = 1.0f;
    m_delayTimer->setSingleShot(true);
    connect(m_delayTimer, &MediaTimer::timeout, this, &ZQPlayerBox::onDelayElapsed);
    m_hintTimer->setSingleShot(true);
    connect(m_hintTimer, &MediaTimer::timeout, this, [this] {
        if (m_speedRemindLabel)
            m_speedRemindLabel->setHidden(true);
    });
}

ZQPlayerBox::~ZQPlayerBox() = default;

AudioPlayer *ZQPlayerBox::sharedAudioPlayer()
{
    return AudioPlayerSlot::sharedPlayer();
}

void ZQPlayerBox::setButtonImage(Button *button, const QString &imageName)
{
    if (!button)
        return;
    button->setImage(ZQImageUtil::adjustImage(AssetImages::image(imageName)));
    button->setProperty("imageName", imageName);
}

void ZQPlayerBox::setupPlayer(const QStringList &audioFileList)
{
    m_audioFileList = audioFileList;
    m_currItemIndex = 0;
    m_runEnded = false;
    announceNextItem();
}

void ZQPlayerBox::setupPlayer(const QStringList &audioFileList, int numberOfItemLoops, int timeOfItemdelay)
{
    setupPlayer(audioFileList);
    m_numberOfItemLoops = numberOfItemLoops;
    m_timeOfItemdelay = timeOfItemdelay;
}

void ZQPlayerBox::setCurrItemIndex(int index)
{
    m_currItemIndex = index;
    m_runEnded = false;
    announceNextItem();
}

int ZQPlayerBox::nextItemIndex() const
{
    if (m_audioFileList.isEmpty())
        return -1;
    return m_runEnded ? 0 : m_currItemIndex;
}

void ZQPlayerBox::announceNextItem()
{
    const int next = nextItemIndex();
    if (next == m_announcedNextItem)
        return;
    m_announcedNextItem = next;
    Q_EMIT nextItemChanged(next);
}

void ZQPlayerBox::addAllAction()
{
    labelButtons();
    const auto wire = [this](Button *button, void (ZQPlayerBox::*action)(Button *)) {
        if (button)
            connect(button, &Button::touchUpInside, this, [this, action](Button *sender) { (this->*action)(sender); });
    };
    wire(m_stopButton, &ZQPlayerBox::stop);
    wire(m_lastButton, &ZQPlayerBox::playLastItem);
    wire(m_nextButton, &ZQPlayerBox::playNextItem);
    wire(m_speedDownButton, &ZQPlayerBox::speedDown);
    wire(m_speedUpButton, &ZQPlayerBox::speedUp);
    wire(m_playButton, &ZQPlayerBox::play);
    wire(m_playModelSwitchButton, &ZQPlayerBox::switchPlayModel);
}

// ---- the pause between items ------------------------------------------------------------

bool ZQPlayerBox::isStartPending() const
{
    return m_delayTimer->isActive() || m_pausedBeforeItem;
}

void ZQPlayerBox::cancelPendingStart()
{
    m_delayTimer->stop();
    m_pendingPath.clear();
    m_pausedBeforeItem = false;
}

void ZQPlayerBox::startItem(const QString &path, Start when)
{
    cancelPendingStart();
    m_runEnded = false;
    if (when == Start::AfterPause && m_timeOfItemdelay >= 1) {
        m_pendingPath = path;
        m_delayTimer->start(m_timeOfItemdelay * 1000);
        resetBtnImage();  // the list is still running: its controls stay live
        announceNextItem();
        return;
    }
    beginItem(path);
}

void ZQPlayerBox::onDelayElapsed()
{
    const QString path = std::exchange(m_pendingPath, QString());
    beginItem(path);
}

// Starting an item: the delay is over (startItem), now stop the old player, make the new
// one, configure and start it, tell the delegate, start the progress tick.
void ZQPlayerBox::beginItem(const QString &path)
{
    if (AudioPlayer *previous = sharedAudioPlayer())
        previous->stop();

    AudioSession &session = AudioSession::sharedInstance();
    session.setCategory(AudioSession::Category::Playback);
    session.setActive(true);

    std::unique_ptr<AudioPlayer> created = AudioPlayer::create(path);
    AudioPlayer *player = created.get();
    AudioPlayerSlot::replace(std::move(created));
    if (!player) {
        // Nothing can sound: the box rests idle on this item (the player logged the file).
        if (m_timer)
            m_timer->stop();
        m_playStatus = 0;
        resetBtnImage();
        return;
    }
    connect(player, &AudioPlayer::didFinishPlaying, this, &ZQPlayerBox::audioPlayerDidFinishPlaying);

    m_playStatus = 0;
    player->setEnableRate(true);
    player->setRate(m_playRate);  // unbounded here; the player holds it within its range
    if (m_numberOfItemLoops >= 2)
        player->setNumberOfLoops(m_numberOfItemLoops);
    // A desktop keeps playing in the background, so no background task is needed.
    player->play();
    if (m_volumeSlider) {
        const int span = m_volumeSlider->maximum() - m_volumeSlider->minimum();
        const float volume = span > 0 ? float(m_volumeSlider->value() - m_volumeSlider->minimum()) / float(span) : 1.0f;
        player->setVolume(volume);
    }
    if (ZQPlayerBoxDelegate *delegate = m_delegate.get()) {
        QPointer<ZQPlayerBox> self(this);
        delegate->play(player);
        if (!self)
            return;
    }
    m_timerInterval = 0.1f;
    if (m_timer)
        m_timer->stop();
    delete m_timer;
    m_timer = new MediaTimer(this);
    m_timer->setInterval(int(std::lround(m_timerInterval * 1000.0f)));
    connect(m_timer, &MediaTimer::timeout, this, &ZQPlayerBox::periodicTimeObserver);
    m_timer->start();
    m_playStatus = 1;
    resetBtnImage();
    announceNextItem();
}

// ---- actions ------------------------------------------------------------------------------

void ZQPlayerBox::playAudioFile(const QString &path)
{
    startItem(path, Start::Now);
}

void ZQPlayerBox::play(Button *sender)
{
    if (m_playStatus == 1 || (isStartPending() && !m_pausedBeforeItem)) {
        // Pause. In the pause between items the pending item waits for the next press.
        if (isStartPending()) {
            m_delayTimer->stop();
            m_pausedBeforeItem = true;
        } else if (AudioPlayer *player = sharedAudioPlayer()) {
            player->pause();
        }
        m_playStatus = 3;
        resetBtnImage();
        return;
    }
    if (m_pausedBeforeItem) {
        const QString path = m_pendingPath;
        startItem(path, Start::Now);
        return;
    }
    if (m_playStatus == 3) {
        if (AudioPlayer *player = sharedAudioPlayer())
            player->play();
        m_playStatus = 1;
        resetBtnImage();
        return;
    }
    // A press of play after a sequential run has played its last item starts the list
    // again from the top, at once.
    if (sender && m_runEnded) {
        playFromIndex(0, Start::Now);
        return;
    }
    if (m_currItemIndex < 0 || m_currItemIndex >= m_audioFileList.size()) {
        // No item to play (no list, an empty one, or an index outside it): stay idle.
        m_playStatus = 0;
        resetBtnImage();
        return;
    }
    startItem(m_audioFileList.at(m_currItemIndex), Start::Now);
}

void ZQPlayerBox::stop(Button *)
{
    // Stop acts at once, also during the pause between items: that start is dropped.
    const bool wasPending = isStartPending();
    cancelPendingStart();
    if (m_playStatus == 2 && !wasPending)
        return;
    AudioPlayer *player = sharedAudioPlayer();
    if (player)
        player->stop();
    if (m_timer)
        m_timer->stop();
    if (player && player->currentTime() != 0.0)
        player->setCurrentTime(0.0);
    if (ZQPlayerBoxDelegate *delegate = m_delegate.get()) {
        QPointer<ZQPlayerBox> self(this);
        delegate->stop(player);
        if (!self)
            return;
    }
    m_playStatus = 2;
    m_currItemIndex = 0;
    m_runEnded = false;
    resetBtnImage();
    announceNextItem();
}

void ZQPlayerBox::playItem(int index)
{
    playFromIndex(index, Start::Now);
}

void ZQPlayerBox::playFromIndex(int index, Start when)
{
    if (index < 0 || index >= m_audioFileList.size())
        return;
    cancelPendingStart();
    AudioPlayer *player = sharedAudioPlayer();
    if (player)
        player->stop();
    if (ZQPlayerBoxDelegate *delegate = m_delegate.get()) {
        QPointer<ZQPlayerBox> self(this);
        delegate->stop(player);
        if (!self)
            return;
    }
    m_currItemIndex = index;
    startItem(m_audioFileList.at(index), when);
}

void ZQPlayerBox::playLastItem(Button *)
{
    if (m_currItemIndex >= 1)
        playItem(m_currItemIndex - 1);
}

void ZQPlayerBox::playNextItem(Button *)
{
    if (m_currItemIndex < int(m_audioFileList.size()) - 1)
        playItem(m_currItemIndex + 1);
}

void ZQPlayerBox::audioPlayerDidFinishPlaying(AudioPlayer *player, bool successfully)
{
    if (m_timer)
        m_timer->stop();
    m_playStatus = 0;
    resetBtnImage();
    if (ZQPlayerBoxDelegate *delegate = m_delegate.get()) {
        QPointer<ZQPlayerBox> self(this);
        delegate->audioPlayerDidFinishPlaying(player, successfully);
        if (!self)
            return;
    }
    moveOnAfterItem();
}

// The play model's next start, after the pause between items.
void ZQPlayerBox::moveOnAfterItem()
{
    const int last = int(m_audioFileList.size()) - 1;
    if (m_playModel == 1) {
        playFromIndex(m_currItemIndex, Start::AfterPause);
    } else if (m_currItemIndex < last) {
        playFromIndex(m_currItemIndex + 1, Start::AfterPause);
    } else if (m_playModel == 2) {
        playFromIndex(0, Start::AfterPause);
    } else {
        // A sequential run ends on its last item; play starts it again from the top.
        m_runEnded = true;
        announceNextItem();
    }
}

void ZQPlayerBox::speedUp(Button *sender)
{
    changeSpeed(0.2, sender);
}

void ZQPlayerBox::speedDown(Button *sender)
{
    changeSpeed(-0.2, sender);
}

void ZQPlayerBox::changeSpeed(double step, Button *sender)
{
    // While an item plays, and in the pause between items (for the item to come).
    if (!isActive() || m_pausedBeforeItem)
        return;
    m_playRate = float(double(m_playRate) + step);
    resizeRate(sharedAudioPlayer(), m_playRate);
    showSpeedHint(sender);
}

// Centres the hint on the pressed button, then lifts it so that its bottom lies 5 points
// above the top the centred label had; it shows the rate the player uses (bounded).
void ZQPlayerBox::showSpeedHint(Button *sender)
{
    if (!m_speedRemindLabel || !sender)
        return;
    Label *label = m_speedRemindLabel;
    QWidget *labelParent = ViewSupport::superview(label);
    QWidget *buttonParent = ViewSupport::superview(sender);
    QPointF centre = ViewSupport::frame(sender).center();
    if (labelParent && buttonParent && labelParent != buttonParent)
        centre = ViewSupport::convertPoint(centre, buttonParent, labelParent);
    ViewSupport::setCenter(label, centre);
    QRectF frame = ViewSupport::frame(label);
    frame.moveTop(frame.top() - frame.height() - 5.0);
    ViewSupport::setFrame(label, frame);
    label->setHidden(false);
    label->raise();
    AudioPlayer *player = sharedAudioPlayer();
    const double shown = player ? double(player->rate()) : PlaybackRate::bounded(double(m_playRate));
    label->setText(QString::asprintf("%0.1fX", shown));
    m_hintTimer->start(200);
}

void ZQPlayerBox::switchPlayModel(Button *)
{
    m_playModel = m_playModel == 0 ? 1 : m_playModel == 1 ? 2 : 0;
    const QString image = m_playModel == 1 ? QStringLiteral("replay_single")
        : m_playModel == 2                 ? QStringLiteral("replay_all")
                                           : QStringLiteral("replay_seq");
    setButtonImage(m_playModelSwitchButton, image);
    labelButtons();
}

// What each icon-only button does, for tooltips and screen readers; the play button's
// label follows its state (resetBtnImage).
void ZQPlayerBox::labelButtons()
{
    const auto label = [](Button *button, const QString &text) {
        if (button)
            button->setAccessibilityLabel(text);
    };
    label(m_stopButton, tr("Stop"));
    label(m_lastButton, tr("Previous phrase"));
    label(m_nextButton, tr("Next phrase"));
    label(m_speedDownButton, tr("Slower"));
    label(m_speedUpButton, tr("Faster"));
    label(m_playModelSwitchButton, m_playModel == 1   ? tr("Repeat this phrase")
                                   : m_playModel == 2 ? tr("Repeat the list")
                                                      : tr("Play the list once"));
}

void ZQPlayerBox::resizeRate(AudioPlayer *player, float rate)
{
    if (!player)
        return;
    const float bounded = float(PlaybackRate::bounded(double(rate)));
    player->setEnableRate(true);
    player->setRate(bounded);
}

void ZQPlayerBox::periodicTimeObserver()
{
    AudioPlayer *player = sharedAudioPlayer();
    const double t = player ? player->currentTime() : 0.0;
    if (m_timeLabel) {
        const int minutes = int(t / 60.0);
        const int seconds = int(t) % 60;
        m_timeLabel->setText(QString::asprintf("%02d:%02d", minutes, seconds));
    }
    if (ZQPlayerBoxDelegate *delegate = m_delegate.get())
        delegate->periodicTimeObserver(player, m_timerInterval);
}

void ZQPlayerBox::resetBtnImage()
{
    if (m_speedRemindLabel)
        m_speedRemindLabel->setHidden(true);
    const auto set = [](Button *button, bool enabled, const char *image) {
        if (!button)
            return;
        button->setEnabled(enabled);
        setButtonImage(button, QString::fromLatin1(image));
    };
    // In the pause between items the list is still running: it shows as playing.
    const int shownStatus = m_playStatus == 3 ? 3 : isStartPending() ? 1 : m_playStatus;
    switch (shownStatus) {
    case 1:
        setButtonImage(m_playButton, QStringLiteral("zq_pause"));
        if (m_playButton)
            m_playButton->setAccessibilityLabel(tr("Pause"));
        set(m_stopButton, true, "zq_stop");
        set(m_speedDownButton, true, "speeddown");
        set(m_speedUpButton, true, "speedup");
        break;
    case 3:
        setButtonImage(m_playButton, QStringLiteral("zq_play"));
        if (m_playButton)
            m_playButton->setAccessibilityLabel(tr("Play"));
        set(m_speedDownButton, false, "speeddown2");
        set(m_speedUpButton, false, "speedup2");
        break;
    default:
        setButtonImage(m_playButton, QStringLiteral("zq_play"));
        if (m_playButton)
            m_playButton->setAccessibilityLabel(tr("Play"));
        set(m_stopButton, false, "zq_stop2");
        set(m_speedDownButton, false, "speeddown2");
        set(m_speedUpButton, false, "speedup2");
        break;
    }
    const int last = int(m_audioFileList.size()) - 1;
    if (m_currItemIndex >= 1)
        set(m_lastButton, true, "last_item");
    else
        set(m_lastButton, false, "last_item2");
    if (m_currItemIndex < last)
        set(m_nextButton, true, "next_item");
    else
        set(m_nextButton, false, "next_item2");
}
