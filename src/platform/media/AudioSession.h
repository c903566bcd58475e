#pragma once

#include <QString>

// The process-wide audio session: the category the program declares (playback or record),
// whether the session is active, and the record permission.
//
// On this platform the category and activation only record what was asked (tests read them
// back); they never fail. Recording is permitted when a microphone exists: the file-fed
// microphone (setMicrophoneFile, or the environment variable PHRASEBOOK_MICROPHONE naming a
// sound file), or else an audio input device (AudioDevices). Without either the permission
// is Denied: on this platform that means no microphone was found (no input device, or no
// sound server). It is asked afresh each time, so a microphone or a sound server that
// appears later is used from then on.
//
// Thread: main thread. Failure: none; a file-fed microphone that cannot be decoded is
// reported when a recording starts (AudioRecorder::record).
class AudioSession
{
public:
    enum class Category { Ambient, Playback, Record, PlayAndRecord };
    enum class RecordPermission { Granted, Denied };

    static AudioSession &sharedInstance();

    bool setCategory(Category category, QString *error = nullptr);
    Category category() const { return m_category; }
    bool setActive(bool active, QString *error = nullptr);
    bool isActive() const { return m_active; }
    int activationCount() const { return m_activationCount; }

    RecordPermission recordPermission() const;

    // The sound file that stands in for the microphone (empty: the real input device).
    void setMicrophoneFile(const QString &path);
    QString microphoneFile() const { return m_microphoneFile; }

private:
    AudioSession();

    Category m_category = Category::Ambient;
    bool m_active = false;
    int m_activationCount = 0;
    QString m_microphoneFile;
};
