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
}

void ZQPlayerBox::setupPlayer(const QStringList &audioFileList, int numberOfItemLoops, int timeOfItemdelay)
{
    setupPlayer(audioFileList);
    m_numberOfItemLoops = numberOfItemLoops;
    m_timeOfItemdelay = timeOfItemdelay;
}

void ZQPlayerBox::addAllAction()
{
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

// ---- the pause before an item -----------------------------------------------------------

bool ZQPlayerBox::isStartPending() const
{
    return m_delayTimer->isActive();
}

bool ZQPlayerBox::deferWhileStarting(Action action)
{
    if (!isStartPending())
        return false;
    m_deferred.append(std::move(action));
    return true;
}

void ZQPlayerBox::cancelPendingStart()
{
    m_delayTimer->stop();
    m_pendingPath.clear();
    m_pendingContinuation = nullptr;
    m_deferred.clear();
}

void ZQPlayerBox::startItem(const QString &path, Action continuation)
{
    if (m_timeOfItemdelay >= 1) {
        m_pendingPath = path;
        m_pendingContinuation = std::move(continuation);
        m_delayTimer->start(m_timeOfItemdelay * 1000);
        return;
    }
    beginItem(path);
    if (continuation)
        continuation();
}

void ZQPlayerBox::onDelayElapsed()
{
    const QString path = std::exchange(m_pendingPath, QString());
    const Action continuation = std::exchange(m_pendingContinuation, nullptr);
    QPointer<ZQPlayerBox> self(this);
    beginItem(path);
    if (self && continuation)
        continuation();
    if (self)
        runDeferred();
}

void ZQPlayerBox::runDeferred()
{
    QPointer<ZQPlayerBox> self(this);
    while (self && !m_deferred.isEmpty() && !isStartPending()) {
        const Action action = m_deferred.takeFirst();
        action();
    }
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
}

// ---- actions ------------------------------------------------------------------------------

void ZQPlayerBox::playAudioFile(const QString &path)
{
    if (deferWhileStarting([this, path] { playAudioFile(path); }))
        return;
    startItem(path, nullptr);
}

void ZQPlayerBox::play(Button *sender)
{
    QPointer<Button> pressed(sender);
    if (deferWhileStarting([this, pressed, sender] { play(pressed ? sender : nullptr); }))
        return;

    // After resuming or starting: a press of play after a sequential run ended on its last
    // item starts the list again from the top.
    const auto restartFromTop = [this, pressed] {
        if (!pressed)
            return;
        const int last = int(m_audioFileList.size()) - 1;
        if (m_playModel == 0 && m_currItemIndex != 0 && m_currItemIndex == last) {
            m_currItemIndex = 0;
            playItem(0);
        }
    };

    if (m_playStatus == 1) {
        if (AudioPlayer *player = sharedAudioPlayer())
            player->pause();
        m_playStatus = 3;
        resetBtnImage();
        return;
    }
    if (m_playStatus == 3) {
        if (AudioPlayer *player = sharedAudioPlayer())
            player->play();
        m_playStatus = 1;
        resetBtnImage();
        restartFromTop();
        return;
    }
    if (m_currItemIndex < 0 || m_currItemIndex >= m_audioFileList.size()) {
        // No item to play (no list, an empty one, or an index outside it): stay idle.
        m_playStatus = 0;
        resetBtnImage();
        return;
    }
    startItem(m_audioFileList.at(m_currItemIndex), restartFromTop);
}

void ZQPlayerBox::stop(Button *)
{
    // Stop acts at once, also during the pause before an item: that start is dropped.
    cancelPendingStart();
    if (m_playStatus == 2)
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
    resetBtnImage();
    m_currItemIndex = 0;
}

void ZQPlayerBox::playItem(int index)
{
    if (deferWhileStarting([this, index] { playItem(index); }))
        return;
    if (index < 0 || index >= m_audioFileList.size())
        return;
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
    startItem(m_audioFileList.at(index), [this] { resizeRate(sharedAudioPlayer(), m_playRate); });
}

void ZQPlayerBox::playLastItem(Button *)
{
    if (deferWhileStarting([this] { playLastItem(nullptr); }))
        return;
    if (m_currItemIndex >= 1)
        playItem(m_currItemIndex - 1);
}

void ZQPlayerBox::playNextItem(Button *)
{
    if (deferWhileStarting([this] { playNextItem(nullptr); }))
        return;
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
    switch (m_playModel) {
    case 1:
        playItem(m_currItemIndex);
        break;
    case 2:
        if (m_currItemIndex == int(m_audioFileList.size()) - 1)
            playItem(0);
        else
            playNextItem(nullptr);
        break;
    default:
        playNextItem(nullptr);
        break;
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
    QPointer<Button> pressed(sender);
    if (deferWhileStarting([this, step, pressed, sender] { changeSpeed(step, pressed ? sender : nullptr); }))
        return;
    if (m_playStatus != 1)
        return;
    m_playRate = float(double(m_playRate) + step);
    AudioPlayer *player = sharedAudioPlayer();
    resizeRate(player, m_playRate);
    if (!m_speedRemindLabel || !sender)
        return;
    Label *label = m_speedRemindLabel;
    QWidget *labelParent = label->parentWidget();
    const QRectF buttonFrame = ViewSupport::frame(sender);
    QPointF centre = buttonFrame.center();
    if (labelParent && sender->parentWidget() && labelParent != sender->parentWidget())
        centre = labelParent->mapFromGlobal(sender->parentWidget()->mapToGlobal(centre));
    ViewSupport::setCenter(label, centre);
    QRectF frame = ViewSupport::frame(label);
    frame.moveTop(frame.top() - frame.height() - 5.0);
    ViewSupport::setFrame(label, frame);
    label->setHidden(false);
    label->raise();
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
    switch (m_playStatus) {
    case 1:
        setButtonImage(m_playButton, QStringLiteral("zq_pause"));
        set(m_stopButton, true, "zq_stop");
        set(m_speedDownButton, true, "speeddown");
        set(m_speedUpButton, true, "speedup");
        break;
    case 3:
        setButtonImage(m_playButton, QStringLiteral("zq_play"));
        set(m_speedDownButton, false, "speeddown2");
        set(m_speedUpButton, false, "speedup2");
        break;
    default:
        setButtonImage(m_playButton, QStringLiteral("zq_play"));
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
