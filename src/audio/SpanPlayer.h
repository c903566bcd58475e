#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

class AudioPlayer;
class MediaTimer;

// Plays time ranges of sound files one after another through the shared audio player
// (AudioPlayerSlot), with a short pause between two ranges: the comparison panel plays one
// word of the learner's recording and then the same word of the model voice.
//
// play() ends the sequence under way and starts the new one at once, at the normal rate;
// stop() ends it. Each range is read from its file when its turn comes and held within the
// file. A player that takes the shared slot (a playlist box, say) ends the sequence: it is
// never resumed, and the next range does not interrupt that player.
//
// spanStarted(i) tells each range as it starts; finished() follows the last range, or a
// sequence that ended because another player took the slot. stop() emits nothing.
//
// Thread: main thread; the pause runs on a media timer, so tests drive the sequence on a
// manual clock through the null output.
// Failure: a range that is empty once held within its file, or whose file is missing or
// cannot be decoded, is passed over (the log names the file); with no playable range
// left, finished() follows at once.
class SpanPlayer : public QObject
{
    Q_OBJECT
public:
    struct Span
    {
        QString path;
        qint64 startMs = 0;
        qint64 endMs = 0;
    };
    // The silence between two ranges, so they are heard as two sounds.
    static constexpr int kPauseMs = 300;

    explicit SpanPlayer(QObject *parent = nullptr);
    ~SpanPlayer() override;

    void play(const QList<Span> &spans);
    void stop();
    // A range sounds, or the pause before the next one runs.
    bool isPlaying() const;
    // The range that sounds now or is about to; -1 when idle.
    int currentIndex() const { return m_index; }

Q_SIGNALS:
    void spanStarted(int index);
    void finished();

private:
    void startFrom(int index);
    void onSpanFinished(AudioPlayer *player);
    void onPauseElapsed();
    void end(bool announce);

    QList<Span> m_spans;
    int m_index = -1;
    QPointer<AudioPlayer> m_player;
    MediaTimer *m_pauseTimer;
};
