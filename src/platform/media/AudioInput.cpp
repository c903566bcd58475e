#include "AudioInput.h"

#include "AudioSession.h"
#include "DeviceAudioInput.h"
#include "FileAudioInput.h"
#include "platform/foundation/Clock.h"

#include <QAudioDevice>
#include <QMediaDevices>

namespace {
AudioInput::Factory &testFactory()
{
    static AudioInput::Factory factory;
    return factory;
}
}

AudioInput::~AudioInput() = default;

void AudioInput::setFactoryForTesting(Factory factory)
{
    testFactory() = std::move(factory);
}

std::unique_ptr<AudioInput> AudioInput::create(QString *error)
{
    if (testFactory())
        return testFactory()();
    const QString microphone = AudioSession::sharedInstance().microphoneFile();
    if (!microphone.isEmpty())
        return std::make_unique<FileAudioInput>(microphone);
    if (Clock::instance().isRealTime()) {
        const QAudioDevice device = QMediaDevices::defaultAudioInput();
        if (!device.isNull())
            return std::make_unique<DeviceAudioInput>(device);
    }
    if (error)
        *error = QStringLiteral("recording is not permitted: no audio input device");
    return nullptr;
}
