#pragma once

#include <QObject>
#include <QString>

#include <memory>

class AudioClip;
class AudioOutput;
class AudioRenderer;
class MediaTimer;

// The platform audio player: one decoded sound with play, pause, stop, a loop count, a
// volume and a playback rate that keeps the pitch (PlaybackRate: 0.2 to 2.0; rate control
// must be enabled, as on the phone platform, or the sound plays at 1.0).
//
// The samples go to the default sound device, or to the null output (AudioOutput::create)
// when none can be used; a device that fails to start is replaced by the null output.
// When the item, with all its loops, has been played, didFinishPlaying(this, true) is
// emitted on the main thread from the event loop (never from inside a call on the player),
// so a handler may destroy the player. A device lost while playing ends the item with
// didFinishPlaying(this, false).
//
// stop() keeps the position (as on the phone platform: callers set currentTime to 0 to
// rewind); after the end of an item the position is back at 0.
//
// Thread: main thread.
// Failure: create() returns nothing, with a message naming the file in *error and on the
// log, when the file is missing or cannot be decoded.
class AudioPlayer : public QObject
{
    Q_OBJECT

public:
    explicit AudioPlayer(std::shared_ptr<const AudioClip> clip, const QString &path = QString(),
                         QObject *parent = nullptr);
    ~AudioPlayer() override;

    static std::unique_ptr<AudioPlayer> create(const QString &path, QString *error = nullptr);

    QString path() const { return m_path; }
    const AudioClip &clip() const;

    bool prepareToPlay();
    bool play();
    void pause();
    void stop();
    bool isPlaying() const { return m_playing; }

    double duration() const;
    double currentTime() const;
    void setCurrentTime(double seconds);

    int numberOfLoops() const;
    void setNumberOfLoops(int loops);  // extra plays after the first; negative: forever
    float volume() const;
    void setVolume(float volume);      // 0..1
    bool enableRate() const { return m_enableRate; }
    void setEnableRate(bool enable);
    // The rate in use (the requested rate held within PlaybackRate's range).
    float rate() const { return float(m_rate); }
    void setRate(float rate);

    // True when the samples go to the null output (no sound device).
    bool usesNullOutput() const;
    // Steady-clock time (ns) at which the first samples were handed to the output; 0 before.
    qint64 firstRenderNs() const;

Q_SIGNALS:
    void didFinishPlaying(AudioPlayer *player, bool successfully);

private:
    void onDrained();
    void onFailed(const QString &message);
    void applyRate();
    bool startOutput();

    QString m_path;
    std::shared_ptr<AudioRenderer> m_renderer;
    std::unique_ptr<AudioOutput> m_output;
    MediaTimer *m_finishTimer;
    bool m_playing = false;
    bool m_paused = false;        // the output holds a suspended stream
    bool m_finishSuccess = true;
    bool m_enableRate = false;
    double m_rate = 1.0;
};
