#include "ZQAudioRecorder.h"

#include "platform/media/AudioPlayer.h"
#include "platform/media/AudioRecorder.h"
#include "platform/media/AudioSession.h"
#include "platform/media/MediaTimer.h"

#include <cmath>

ZQAudioRecorder::ZQAudioRecorder(QObject *parent) : QObject(parent) {}

ZQAudioRecorder::~ZQAudioRecorder() = default;

void ZQAudioRecorder::setRecorder(std::unique_ptr<AudioRecorder> recorder)
{
    m_recorder = std::move(recorder);
    if (m_recorder) {
        connect(m_recorder.get(), &AudioRecorder::didFinishRecording, this,
                &ZQAudioRecorder::audioRecorderDidFinishRecording);
    }
}

void ZQAudioRecorder::setPlayer(std::unique_ptr<AudioPlayer> player)
{
    m_player = std::move(player);
}

void ZQAudioRecorder::recordPushed(const QString &path)
{
    m_CAF2MP3 = false;
    if (m_recorder && m_recorder->isRecording())
        return;
    if (m_player && m_player->isPlaying())
        m_player->stop();

    AudioSession &session = AudioSession::sharedInstance();
    session.setCategory(AudioSession::Category::Record);
    session.setActive(true);

    AudioRecorderSettings settings;
    settings.format = AudioRecorderSettings::Format::AppleLossless;
    settings.sampleRate = 16000.0;
    settings.numberOfChannels = 1;
    settings.linearPcmBitDepth = 16;
    settings.linearPcmIsBigEndian = false;
    settings.linearPcmIsFloat = false;

    m_recordedFilePath = path;
    // A creation error is not reported: with no recorder the recording silently does not
    // happen.
    setRecorder(AudioRecorder::create(m_recordedFilePath, settings));
    if (m_recorder) {
        m_recorder->setMeteringEnabled(true);
        m_recorder->record();
    }

    m_timeInterval = 0.05f;
    // A polling timer left running by a playback that interrupted the previous recording
    // is replaced, not doubled.
    delete m_timer;
    m_timer = new MediaTimer(this);
    m_timer->setInterval(int(std::lround(m_timeInterval * 1000.0f)));
    connect(m_timer, &MediaTimer::timeout, this, &ZQAudioRecorder::detectVoice);
    m_timer->start();
}

void ZQAudioRecorder::detectVoice()
{
    // Without a recorder there is no level to report (and not a full-scale one).
    if (!m_recorder)
        return;
    m_recorder->updateMeters();
    const double decibels = m_recorder->peakPowerForChannel(0);
    if (ZQRecorderDelegate *delegate = m_recorderDelegate.get()) {
        const float power = float(std::pow(10.0, 0.05 * decibels));
        delegate->periodicTimeObserver(m_recorder.get(), power, m_timeInterval);
    }
}

void ZQAudioRecorder::stopPushed()
{
    if (m_recorder && m_recorder->isRecording()) {
        m_recorder->stop();
        if (m_timer)
            m_timer->stop();
    }
    if (m_player && m_player->isPlaying())
        m_player->stop();
}

void ZQAudioRecorder::playPushed(const QString &path)
{
    if (m_recorder && m_recorder->isRecording())
        m_recorder->stop();  // the polling timer is left alone
    if (m_player && m_player->isPlaying())
        m_player->stop();

    AudioSession &session = AudioSession::sharedInstance();
    session.setCategory(AudioSession::Category::Playback);
    session.setActive(true);

    m_player = AudioPlayer::create(path);
    if (m_player)
        m_player->play();
}

void ZQAudioRecorder::audioRecorderDidFinishRecording(AudioRecorder *recorder, bool successfully)
{
    if (ZQRecorderDelegate *delegate = m_recorderDelegate.get())
        delegate->recorderDidFinishRecording(recorder, successfully);
}
