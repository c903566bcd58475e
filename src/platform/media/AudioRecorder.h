#pragma once

#include "PowerMeter.h"

#include <QObject>
#include <QString>

#include <memory>

class AudioInput;
class MediaTimer;
struct sf_private_tag;

// Recording format of AudioRecorder (the settings dictionary of the phone platform).
struct AudioRecorderSettings
{
    enum class Format { AppleLossless, LinearPcm };
    Format format = Format::AppleLossless;
    double sampleRate = 16000.0;
    int numberOfChannels = 1;
    int linearPcmBitDepth = 16;
    bool linearPcmIsBigEndian = false;
    bool linearPcmIsFloat = false;
};

// The platform recorder: records the microphone (AudioInput) into a file, with peak and
// average power metering.
//
// The container follows the file name: ".caf" gives a Core Audio file (Apple Lossless, or
// 16-bit PCM for the linear format), ".wav" a 16-bit PCM WAV file. Samples are written
// through libsndfile into a hidden temporary file beside the target, which becomes the
// target only on a clean stop(); starting a recording removes an older file at the target
// path, so a recording that fails to start, is cut off (device gone, disk full) or is
// abandoned leaves no file there that a later screen could take for the new recording.
//
// didFinishRecording() follows every recording that was started: from the event loop after
// stop() (true when the file is complete), or when the input fails (false).
//
// Thread: main thread.
// Failure: create() returns nothing for settings it cannot record (message in *error);
// record() returns false, with lastError(), when recording is not permitted (no microphone,
// see AudioSession), the input fails to start or the file cannot be created.
class AudioRecorder : public QObject
{
    Q_OBJECT

public:
    ~AudioRecorder() override;

    static std::unique_ptr<AudioRecorder> create(const QString &path, const AudioRecorderSettings &settings,
                                                 QString *error = nullptr);

    QString path() const { return m_path; }
    const AudioRecorderSettings &settings() const { return m_settings; }

    bool prepareToRecord();
    bool record();
    void stop();
    bool isRecording() const { return m_recording; }
    // Seconds recorded so far in the current recording.
    double currentTime() const;
    QString lastError() const { return m_lastError; }

    void setMeteringEnabled(bool enabled);
    bool isMeteringEnabled() const { return m_meteringEnabled; }
    void updateMeters();
    float peakPowerForChannel(int channel) const;
    float averagePowerForChannel(int channel) const;

Q_SIGNALS:
    void didFinishRecording(AudioRecorder *recorder, bool successfully);

private:
    AudioRecorder(const QString &path, const AudioRecorderSettings &settings, int fileFormat);
    void onSamples(const qint16 *samples, qint64 count);
    void abandon(const QString &message);
    void closeFile();
    bool finishFile();
    void notifyFinished(bool successfully);

    QString m_path;
    QString m_partPath;
    AudioRecorderSettings m_settings;
    int m_fileFormat;
    std::unique_ptr<AudioInput> m_input;
    sf_private_tag *m_file = nullptr;
    MediaTimer *m_finishTimer;
    PowerMeter m_meter;
    qint64 m_framesWritten = 0;
    bool m_recording = false;
    bool m_meteringEnabled = false;
    bool m_finishSuccess = false;
    QString m_lastError;
};
