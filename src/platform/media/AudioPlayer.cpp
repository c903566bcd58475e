#include "AudioPlayer.h"

#include "AudioClip.h"
#include "AudioOutput.h"
#include "AudioRenderer.h"
#include "MediaLog.h"
#include "MediaTimer.h"
#include "NullAudioOutput.h"
#include "PlaybackRate.h"

AudioPlayer::AudioPlayer(std::shared_ptr<const AudioClip> clip, const QString &path, QObject *parent)
    : QObject(parent), m_path(path), m_renderer(std::make_shared<AudioRenderer>(std::move(clip))),
      m_finishTimer(new MediaTimer(this))
{
    m_finishTimer->setSingleShot(true);
    connect(m_finishTimer, &MediaTimer::timeout, this, [this] {
        // The last statement: a handler may destroy the player.
        Q_EMIT didFinishPlaying(this, m_finishSuccess);
    });
}

AudioPlayer::~AudioPlayer() = default;

std::unique_ptr<AudioPlayer> AudioPlayer::create(const QString &path, QString *error)
{
    QString message;
    std::shared_ptr<const AudioClip> clip = AudioClip::fromFile(path, &message);
    if (!clip) {
        qCWarning(lcMedia, "%s", qPrintable(message));
        if (error)
            *error = message;
        return nullptr;
    }
    return std::make_unique<AudioPlayer>(std::move(clip), path);
}

const AudioClip &AudioPlayer::clip() const
{
    return m_renderer->clip();
}

bool AudioPlayer::prepareToPlay()
{
    if (!m_output) {
        m_output = AudioOutput::create(m_renderer);
        connect(m_output.get(), &AudioOutput::drained, this, &AudioPlayer::onDrained);
        connect(m_output.get(), &AudioOutput::failed, this, &AudioPlayer::onFailed);
    }
    return true;
}

bool AudioPlayer::startOutput()
{
    prepareToPlay();
    if (m_output->start())
        return true;
    if (m_output->isNull())
        return false;
    // The device refused: play on the null output so timing and end events still happen.
    m_output = std::make_unique<NullAudioOutput>(m_renderer);
    connect(m_output.get(), &AudioOutput::drained, this, &AudioPlayer::onDrained);
    connect(m_output.get(), &AudioOutput::failed, this, &AudioPlayer::onFailed);
    return m_output->start();
}

bool AudioPlayer::play()
{
    if (m_playing)
        return true;
    m_finishTimer->stop();
    applyRate();
    if (m_paused && m_output) {
        m_output->resume();
        m_paused = false;
        m_playing = true;
        return true;
    }
    if (m_renderer->exhausted())
        m_renderer->rewind();
    m_playing = startOutput();
    return m_playing;
}

void AudioPlayer::pause()
{
    if (!m_playing)
        return;
    m_output->suspend();
    m_playing = false;
    m_paused = true;
}

void AudioPlayer::stop()
{
    m_finishTimer->stop();
    if (m_output)
        m_output->stop();
    m_playing = false;
    m_paused = false;
}

double AudioPlayer::duration() const
{
    return m_renderer->clip().duration();
}

double AudioPlayer::currentTime() const
{
    return m_renderer->currentTime();
}

void AudioPlayer::setCurrentTime(double seconds)
{
    m_renderer->setCurrentTime(seconds);
    if (m_playing) {
        // Restart the stream from the new position.
        m_output->stop();
        m_playing = startOutput();
    } else if (m_paused) {
        m_output->stop();
        m_paused = false;
    }
}

int AudioPlayer::numberOfLoops() const
{
    return m_renderer->numberOfLoops();
}

void AudioPlayer::setNumberOfLoops(int loops)
{
    m_renderer->setNumberOfLoops(loops);
}

float AudioPlayer::volume() const
{
    return m_renderer->volume();
}

void AudioPlayer::setVolume(float volume)
{
    m_renderer->setVolume(volume);
}

void AudioPlayer::setEnableRate(bool enable)
{
    m_enableRate = enable;
    applyRate();
}

void AudioPlayer::setRate(float rate)
{
    m_rate = PlaybackRate::bounded(double(rate));
    applyRate();
}

void AudioPlayer::applyRate()
{
    m_renderer->setRate(m_enableRate ? m_rate : 1.0);
}

bool AudioPlayer::usesNullOutput() const
{
    return !m_output || m_output->isNull();
}

qint64 AudioPlayer::firstRenderNs() const
{
    return m_renderer->firstRenderNs();
}

void AudioPlayer::onDrained()
{
    m_output->stop();
    m_playing = false;
    m_paused = false;
    m_renderer->rewind();
    m_finishSuccess = true;
    m_finishTimer->startMicroseconds(0);
}

void AudioPlayer::onFailed(const QString &message)
{
    qCWarning(lcMedia, "%s while playing %s", qPrintable(message), qPrintable(m_path));
    m_output->stop();
    m_playing = false;
    m_paused = false;
    m_finishSuccess = false;
    m_finishTimer->startMicroseconds(0);
}
