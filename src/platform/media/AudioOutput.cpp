#include "AudioOutput.h"

#include "AudioCapture.h"
#include "DeviceAudioOutput.h"
#include "platform/foundation/Clock.h"
#include "NullAudioOutput.h"

#include <QAudioDevice>
#include <QMediaDevices>

AudioOutput::AudioOutput(std::shared_ptr<AudioRenderer> renderer, QObject *parent)
    : QObject(parent), m_renderer(std::move(renderer))
{
}

AudioOutput::~AudioOutput() = default;

std::unique_ptr<AudioOutput> AudioOutput::create(std::shared_ptr<AudioRenderer> renderer)
{
    if (Clock::instance().isRealTime() && !AudioCapture::instance().isEnabled()) {
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (!device.isNull())
            return std::make_unique<DeviceAudioOutput>(std::move(renderer), device);
    }
    return std::make_unique<NullAudioOutput>(std::move(renderer));
}
