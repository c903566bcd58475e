#include "AudioRecorder.h"

#include "AudioInput.h"
#include "AudioSession.h"
#include "MediaLog.h"
#include "MediaTimer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sndfile.h>

#include <cstdio>

namespace {
void setError(QString *error, const QString &message)
{
    if (error)
        *error = message;
}
}

AudioRecorder::AudioRecorder(const QString &path, const AudioRecorderSettings &settings, int fileFormat)
    : m_path(path), m_settings(settings), m_fileFormat(fileFormat), m_finishTimer(new MediaTimer(this))
{
    const QFileInfo info(path);
    m_partPath = info.absolutePath() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".part");
    m_finishTimer->setSingleShot(true);
    connect(m_finishTimer, &MediaTimer::timeout, this, [this] {
        Q_EMIT didFinishRecording(this, m_finishSuccess);  // last statement: may destroy us
    });
}

AudioRecorder::~AudioRecorder()
{
    // An abandoned recording is complete up to this point: keep it as a clean stop would.
    if (m_recording) {
        if (m_input)
            m_input->stop();
        m_recording = false;
        finishFile();
    }
    closeFile();
}

std::unique_ptr<AudioRecorder> AudioRecorder::create(const QString &path, const AudioRecorderSettings &settings,
                                                     QString *error)
{
    if (path.isEmpty()) {
        setError(error, QStringLiteral("no file to record into"));
        return nullptr;
    }
    if (settings.sampleRate != 16000.0 || settings.numberOfChannels != 1 || settings.linearPcmBitDepth != 16
        || settings.linearPcmIsFloat) {
        setError(error, QStringLiteral("only 16 kHz mono 16-bit recording is supported (asked %1 Hz, %2 channels, %3 bits%4)")
                            .arg(settings.sampleRate)
                            .arg(settings.numberOfChannels)
                            .arg(settings.linearPcmBitDepth)
                            .arg(settings.linearPcmIsFloat ? QStringLiteral(" float") : QString()));
        return nullptr;
    }
    const QString suffix = QFileInfo(path).suffix().toLower();
    int format = 0;
    if (suffix == QLatin1String("caf")) {
        format = SF_FORMAT_CAF
            | (settings.format == AudioRecorderSettings::Format::AppleLossless ? SF_FORMAT_ALAC_16 : SF_FORMAT_PCM_16);
    } else if (suffix == QLatin1String("wav") && settings.format == AudioRecorderSettings::Format::LinearPcm) {
        format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    } else {
        setError(error, QStringLiteral("cannot record %1 audio into %2")
                            .arg(settings.format == AudioRecorderSettings::Format::AppleLossless
                                     ? QStringLiteral("Apple Lossless")
                                     : QStringLiteral("linear PCM"),
                                 path));
        return nullptr;
    }
    return std::unique_ptr<AudioRecorder>(new AudioRecorder(path, settings, format));
}

bool AudioRecorder::prepareToRecord()
{
    return QDir().mkpath(QFileInfo(m_path).absolutePath());
}

bool AudioRecorder::record()
{
    if (m_recording)
        return true;
    m_lastError.clear();
    m_finishTimer->stop();
    if (AudioSession::sharedInstance().recordPermission() != AudioSession::RecordPermission::Granted) {
        m_lastError = QStringLiteral("recording is not permitted: no audio input device");
        qCWarning(lcMedia, "%s (%s)", qPrintable(m_lastError), qPrintable(m_path));
        return false;
    }
    // The new recording replaces the old one from its start, as on the phone platform.
    QFile::remove(m_path);
    if (!prepareToRecord()) {
        m_lastError = QStringLiteral("cannot create the folder of %1").arg(m_path);
        qCWarning(lcMedia, "%s", qPrintable(m_lastError));
        return false;
    }
    m_input = AudioInput::create(&m_lastError);
    if (!m_input) {
        qCWarning(lcMedia, "%s (%s)", qPrintable(m_lastError), qPrintable(m_path));
        return false;
    }
    SF_INFO info{};
    info.samplerate = 16000;
    info.channels = 1;
    info.format = m_fileFormat;
    QFile::remove(m_partPath);
    m_file = sf_open(QFile::encodeName(m_partPath).constData(), SFM_WRITE, &info);
    if (!m_file) {
        m_lastError = QStringLiteral("cannot create %1: %2").arg(m_partPath, QString::fromUtf8(sf_strerror(nullptr)));
        qCWarning(lcMedia, "%s", qPrintable(m_lastError));
        m_input.reset();
        return false;
    }
    m_framesWritten = 0;
    m_meter.reset();
    connect(m_input.get(), &AudioInput::failed, this, &AudioRecorder::abandon);
    if (!m_input->start([this](const qint16 *samples, qint64 count) { onSamples(samples, count); },
                        &m_lastError)) {
        qCWarning(lcMedia, "%s (%s)", qPrintable(m_lastError), qPrintable(m_path));
        m_input.reset();
        closeFile();
        QFile::remove(m_partPath);
        return false;
    }
    m_recording = true;
    return true;
}

void AudioRecorder::onSamples(const qint16 *samples, qint64 count)
{
    if (!m_recording || !m_file || count <= 0)
        return;
    if (m_meteringEnabled)
        m_meter.add(samples, count);
    if (sf_writef_short(m_file, samples, count) != count) {
        abandon(QStringLiteral("cannot write %1: %2").arg(m_partPath, QString::fromUtf8(sf_strerror(m_file))));
        return;
    }
    m_framesWritten += count;
}

void AudioRecorder::stop()
{
    if (!m_recording)
        return;
    if (m_input)
        m_input->stop();  // hands over the last buffered samples
    m_recording = false;
    const bool complete = finishFile();
    m_input.reset();
    notifyFinished(complete);
}

bool AudioRecorder::finishFile()
{
    if (!m_file)
        return false;
    sf_write_sync(m_file);
    closeFile();
    // rename() replaces the target atomically: readers see the old state or the whole file.
    if (std::rename(QFile::encodeName(m_partPath).constData(), QFile::encodeName(m_path).constData()) != 0) {
        m_lastError = QStringLiteral("cannot move the recording to %1").arg(m_path);
        qCWarning(lcMedia, "%s", qPrintable(m_lastError));
        QFile::remove(m_partPath);
        return false;
    }
    return true;
}

void AudioRecorder::abandon(const QString &message)
{
    if (!m_recording)
        return;
    m_lastError = message;
    qCWarning(lcMedia, "recording into %s cut off: %s", qPrintable(m_path), qPrintable(message));
    m_recording = false;
    closeFile();
    QFile::remove(m_partPath);
    // The input may be inside its own signal: release it from the event loop.
    if (m_input) {
        disconnect(m_input.get(), nullptr, this, nullptr);
        m_input.release()->deleteLater();
    }
    notifyFinished(false);
}

void AudioRecorder::closeFile()
{
    if (m_file) {
        sf_close(m_file);
        m_file = nullptr;
    }
}

void AudioRecorder::notifyFinished(bool successfully)
{
    m_finishSuccess = successfully;
    m_finishTimer->startMicroseconds(0);
}

double AudioRecorder::currentTime() const
{
    return m_recording ? double(m_framesWritten) / 16000.0 : 0.0;
}

void AudioRecorder::setMeteringEnabled(bool enabled)
{
    m_meteringEnabled = enabled;
    if (!enabled)
        m_meter.reset();
}

void AudioRecorder::updateMeters()
{
    if (!m_meteringEnabled)
        return;
    if (!m_recording) {
        m_meter.reset();
        return;
    }
    m_meter.update();
}

float AudioRecorder::peakPowerForChannel(int channel) const
{
    return channel == 0 ? m_meter.peakPower() : PowerMeter::floorDb();
}

float AudioRecorder::averagePowerForChannel(int channel) const
{
    return channel == 0 ? m_meter.averagePower() : PowerMeter::floorDb();
}
