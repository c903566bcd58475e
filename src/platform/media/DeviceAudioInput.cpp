#include "DeviceAudioInput.h"

#include "MediaLog.h"

#include <QAudioSource>
#include <QIODevice>

#include <cstring>

DeviceAudioInput::DeviceAudioInput(const QAudioDevice &device, QObject *parent)
    : AudioInput(parent), m_device(device)
{
}

DeviceAudioInput::~DeviceAudioInput()
{
    m_stopping = true;
    if (m_source) {
        m_source->stop();
        delete m_source;
    }
}

bool DeviceAudioInput::start(Sink sink, QString *error)
{
    QAudioFormat format;
    format.setSampleRate(sampleRate());
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!m_device.isFormatSupported(format)) {
        if (error)
            *error = QStringLiteral("input device %1 does not record 16 kHz mono 16-bit audio")
                         .arg(m_device.description());
        return false;
    }
    m_sink = std::move(sink);
    m_source = new QAudioSource(m_device, format);
    connect(m_source, &QAudioSource::stateChanged, this, &DeviceAudioInput::onStateChanged);
    m_stopping = true;  // a failure inside start() is answered by the return value
    m_io = m_source->start();
    if (!m_io || m_source->error() != QAudio::NoError) {
        if (error)
            *error = QStringLiteral("input device %1 failed to start (error %2)")
                         .arg(m_device.description())
                         .arg(int(m_source->error()));
        delete m_source;
        m_source = nullptr;
        m_io = nullptr;
        return false;
    }
    m_stopping = false;
    connect(m_io, &QIODevice::readyRead, this, &DeviceAudioInput::drain);
    return true;
}

void DeviceAudioInput::drain()
{
    if (!m_io)
        return;
    // Read in chunks until the source has nothing more: the source's device is unbuffered,
    // and readAll() on an unbuffered sequential device returns nothing at all.
    QByteArray bytes = m_pending;
    char chunk[8192];
    for (;;) {
        const qint64 got = m_io->read(chunk, qint64(sizeof chunk));
        if (got <= 0)
            break;
        bytes.append(chunk, qsizetype(got));
    }
    const qsizetype whole = bytes.size() & ~qsizetype(1);
    m_pending = bytes.mid(whole);
    if (whole > 0 && m_sink) {
        // QByteArray data is suitably aligned for 16-bit samples.
        m_sink(reinterpret_cast<const qint16 *>(bytes.constData()), whole / 2);
    }
}

void DeviceAudioInput::stop()
{
    if (!m_source)
        return;
    drain();
    m_stopping = true;
    m_source->stop();
    disconnect(m_source, nullptr, this, nullptr);
    m_source->deleteLater();
    m_source = nullptr;
    m_io = nullptr;
    m_pending.clear();
}

void DeviceAudioInput::onStateChanged()
{
    if (!m_source || m_stopping)
        return;
    if (m_source->state() == QAudio::StoppedState && m_source->error() != QAudio::NoError) {
        m_stopping = true;
        Q_EMIT failed(QStringLiteral("input device %1 stopped (error %2)")
                          .arg(m_device.description())
                          .arg(int(m_source->error())));
    }
}
