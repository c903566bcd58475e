#include "AudioSession.h"

#include "platform/foundation/Clock.h"

#include <QFile>
#include <QAudioDevice>
#include <QMediaDevices>

AudioSession &AudioSession::sharedInstance()
{
    static AudioSession session;
    return session;
}

AudioSession::AudioSession()
{
    const QByteArray microphone = qgetenv("PHRASEBOOK_MICROPHONE");
    if (!microphone.isEmpty())
        m_microphoneFile = QFile::decodeName(microphone);
}

bool AudioSession::setCategory(Category category, QString *error)
{
    if (error)
        error->clear();
    m_category = category;
    return true;
}

bool AudioSession::setActive(bool active, QString *error)
{
    if (error)
        error->clear();
    m_active = active;
    if (active)
        ++m_activationCount;
    return true;
}

AudioSession::RecordPermission AudioSession::recordPermission() const
{
    if (!m_microphoneFile.isEmpty())
        return RecordPermission::Granted;
    if (Clock::instance().isRealTime() && !QMediaDevices::defaultAudioInput().isNull())
        return RecordPermission::Granted;
    return RecordPermission::Denied;
}

void AudioSession::setMicrophoneFile(const QString &path)
{
    m_microphoneFile = path;
}
