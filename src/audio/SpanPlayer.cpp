#include "SpanPlayer.h"

#include "platform/media/AudioClip.h"
#include "platform/media/AudioPlayer.h"
#include "platform/media/AudioPlayerSlot.h"
#include "platform/media/AudioSession.h"
#include "platform/media/MediaLog.h"
#include "platform/media/MediaTimer.h"

#include <memory>

SpanPlayer::SpanPlayer(QObject *parent) : QObject(parent), m_pauseTimer(new MediaTimer(this))
{
    m_pauseTimer->setSingleShot(true);
    connect(m_pauseTimer, &MediaTimer::timeout, this, &SpanPlayer::onPauseElapsed);
}

SpanPlayer::~SpanPlayer()
{
    end(false);
}

bool SpanPlayer::isPlaying() const
{
    if (m_index < 0)
        return false;
    if (m_pauseTimer->isActive())
        return true;
    return m_player && m_player == AudioPlayerSlot::sharedPlayer() && m_player->isPlaying();
}

void SpanPlayer::play(const QList<Span> &spans)
{
    end(false);
    m_spans = spans;
    startFrom(0);
}

void SpanPlayer::stop()
{
    end(false);
}

// Stops our own player only: the slot may hold another one by now.
void SpanPlayer::end(bool announce)
{
    m_pauseTimer->stop();
    if (m_player) {
        disconnect(m_player, nullptr, this, nullptr);
        if (m_player == AudioPlayerSlot::sharedPlayer())
            m_player->stop();
    }
    m_player = nullptr;
    const bool wasRunning = m_index >= 0;
    m_index = -1;
    m_spans.clear();
    if (announce && wasRunning)
        Q_EMIT finished();
}

// Starts the first playable range from `index` on; none left ends the sequence.
void SpanPlayer::startFrom(int index)
{
    for (; index < m_spans.size(); ++index) {
        const Span &span = m_spans.at(index);
        QString error;
        const std::shared_ptr<const AudioClip> clip = AudioClip::fromFile(span.path, &error);
        if (!clip) {
            qCWarning(lcMedia, "%s", qPrintable(error));
            continue;
        }
        std::shared_ptr<const AudioClip> part = clip->excerpt(span.startMs / 1000.0, span.endMs / 1000.0);
        if (!part) {
            qCWarning(lcMedia, "nothing of %s lies between %lld and %lld ms", qPrintable(span.path),
                      static_cast<long long>(span.startMs), static_cast<long long>(span.endMs));
            continue;
        }
        AudioSession &session = AudioSession::sharedInstance();
        session.setCategory(AudioSession::Category::Playback);
        session.setActive(true);
        auto player = std::make_unique<AudioPlayer>(std::move(part), span.path);
        m_player = player.get();
        m_index = index;
        connect(m_player, &AudioPlayer::didFinishPlaying, this, &SpanPlayer::onSpanFinished);
        // Another player taking the slot destroys this one: the sequence is over.
        connect(m_player, &QObject::destroyed, this, [this] {
            m_player = nullptr;
            end(true);
        });
        AudioPlayerSlot::replace(std::move(player));
        m_player->play();
        Q_EMIT spanStarted(index);
        return;
    }
    m_index = 0;  // so that end() announces the end of this sequence
    end(true);
}

void SpanPlayer::onSpanFinished(AudioPlayer *player)
{
    if (player != m_player)
        return;
    if (m_index + 1 >= m_spans.size()) {
        end(true);
        return;
    }
    m_pauseTimer->start(kPauseMs);
}

void SpanPlayer::onPauseElapsed()
{
    // Another player has taken the slot meanwhile: leave it be.
    if (!m_player || m_player != AudioPlayerSlot::sharedPlayer()) {
        end(true);
        return;
    }
    disconnect(m_player, nullptr, this, nullptr);
    startFrom(m_index + 1);
}
