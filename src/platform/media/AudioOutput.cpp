#include "AudioOutput.h"

#include "AudioCapture.h"
#include "AudioDevices.h"
#include "DeviceAudioOutput.h"
#include "NullAudioOutput.h"

#include <QAudioDevice>

AudioOutput::AudioOutput(std::shared_ptr<AudioRenderer> renderer, QObject *parent)
    : QObject(parent), m_renderer(std::move(renderer))
{
}

AudioOutput::~AudioOutput() = default;

std::unique_ptr<AudioOutput> AudioOutput::create(std::shared_ptr<AudioRenderer> renderer)
{
    if (!AudioCapture::instance().isEnabled()) {
        // Asked for every item, so a sound server or device that appears later is used.
        const QAudioDevice device = AudioDevices::defaultOutput();
        if (!device.isNull())
            return std::make_unique<DeviceAudioOutput>(std::move(renderer), device);
    }
    return std::make_unique<NullAudioOutput>(std::move(renderer));
}
