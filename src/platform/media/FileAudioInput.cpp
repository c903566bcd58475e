#include "FileAudioInput.h"

#include "AudioFileReader.h"
#include "platform/foundation/Clock.h"
#include "MediaTimer.h"

#include <algorithm>

static_assert(AudioFileReader::kSpeechSampleRate == AudioInput::sampleRate(),
              "the file is read at the rate the microphone delivers");

FileAudioInput::FileAudioInput(const QString &path, QObject *parent)
    : AudioInput(parent), m_path(path), m_timer(new MediaTimer(this))
{
    m_timer->setInterval(10);
    connect(m_timer, &MediaTimer::timeout, this, &FileAudioInput::tick);
}

FileAudioInput::~FileAudioInput() = default;

bool FileAudioInput::loadSamples(const QString &path, std::vector<qint16> *samples, QString *error)
{
    AudioFileReader reader;
    std::vector<qint16> decoded;
    const bool complete = reader.open(path) && reader.readSpeechSamples(&decoded);
    // A file that fails part-way is heard up to the fault, as the player plays it.
    if (!complete && (reader.status() != AudioFileReader::Status::ReadFailed || decoded.empty())) {
        if (error)
            *error = QStringLiteral("microphone file: %1").arg(reader.errorString());
        return false;
    }
    if (decoded.empty()) {
        if (error)
            *error = QStringLiteral("microphone file: audio file %1 holds no samples").arg(path);
        return false;
    }
    *samples = std::move(decoded);
    return true;
}

bool FileAudioInput::start(Sink sink, QString *error)
{
    if (!loadSamples(m_path, &m_samples, error))
        return false;
    m_sink = std::move(sink);
    m_originUs = m_timer->clock() ? m_timer->clock()->nowUs() : 0;
    m_delivered = 0;
    m_timer->start();
    return true;
}

void FileAudioInput::stop()
{
    if (!m_timer->isActive())
        return;
    tick();
    m_timer->stop();
}

void FileAudioInput::tick()
{
    if (!m_timer->clock() || !m_sink)
        return;
    const qint64 due = (m_timer->clock()->nowUs() - m_originUs) * sampleRate() / 1000000;
    const qint64 count = due - m_delivered;
    if (count <= 0)
        return;
    m_buffer.assign(size_t(count), 0);
    const qint64 available = qint64(m_samples.size());
    if (m_delivered < available) {
        const qint64 n = std::min(count, available - m_delivered);
        std::copy_n(m_samples.begin() + m_delivered, n, m_buffer.begin());
    }
    m_delivered = due;
    m_sink(m_buffer.data(), count);
}
