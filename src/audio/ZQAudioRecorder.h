#pragma once

#include "platform/foundation/WeakDelegate.h"
#include "ZQRecorderDelegate.h"

#include <QObject>
#include <QString>

#include <memory>

class AudioPlayer;
class AudioRecorder;
class MediaTimer;

// Records the learner's voice (Apple Lossless in CAF, 16 kHz, mono, 16-bit) and plays a
// recorded file back. Owns one platform recorder and one platform player, switches the
// audio session between record and playback, and polls the recording level every 50 ms
// for its delegate (linear peak level = 10 ^ (0.05 x peak dB)).
//
// The delegate protocol ZQRecorderDelegate is an abstract class with empty defaults,
// referred to weakly.
//
// Thread: main thread; the polling timer fires on the main thread (process clock).
// Failure: none reported, as on the phone platform: when recording is not permitted (no
// microphone), the recorder cannot be made or the file to play cannot be decoded, the
// operation silently does not happen (the platform classes log the cause). A recording that
// fails or is cut off leaves no file at recordedFilePath (AudioRecorder).
class ZQAudioRecorder : public QObject
{
    Q_OBJECT

public:
    explicit ZQAudioRecorder(QObject *parent = nullptr);
    ~ZQAudioRecorder() override;

    void recordPushed(const QString &path);
    void stopPushed();
    void playPushed(const QString &path);

    AudioRecorder *recorder() const { return m_recorder.get(); }
    void setRecorder(std::unique_ptr<AudioRecorder> recorder);
    AudioPlayer *player() const { return m_player.get(); }
    void setPlayer(std::unique_ptr<AudioPlayer> player);
    MediaTimer *timer() const { return m_timer; }
    float timeInterval() const { return m_timeInterval; }
    bool CAF2MP3() const { return m_CAF2MP3; }
    void setCAF2MP3(bool value) { m_CAF2MP3 = value; }
    QString recordedFilePath() const { return m_recordedFilePath; }
    void setRecordedFilePath(const QString &path) { m_recordedFilePath = path; }
    ZQRecorderDelegate *recorderDelegate() const { return m_recorderDelegate.get(); }
    void setRecorderDelegate(ZQRecorderDelegate *delegate) { m_recorderDelegate.set(delegate); }

    // The platform recorder's end-of-recording callback: forwarded to the delegate.
    void audioRecorderDidFinishRecording(AudioRecorder *recorder, bool successfully);
    // The polling step run by the timer.
    void detectVoice();

private:
    std::unique_ptr<AudioRecorder> m_recorder;
    std::unique_ptr<AudioPlayer> m_player;
    MediaTimer *m_timer = nullptr;
    float m_timeInterval = 0.0f;
    bool m_CAF2MP3 = false;
    QString m_recordedFilePath;
    WeakDelegate<ZQRecorderDelegate> m_recorderDelegate;
};
