#include "AudioDevices.h"

#include "platform/foundation/Clock.h"

#include <QElapsedTimer>
#include <QMediaDevices>

#include <pulse/context.h>
#include <pulse/mainloop.h>

namespace {
AudioDevices::StateSource &injected()
{
    static AudioDevices::StateSource source;
    return source;
}

// Connects to the sound server the way Qt's engine does (no autospawn), waiting at most
// half a second, and disconnects again.
bool serverAnswers()
{
    pa_mainloop *loop = pa_mainloop_new();
    if (!loop)
        return false;
    pa_context *context = pa_context_new(pa_mainloop_get_api(loop), "phrasebook-probe");
    bool ready = false;
    if (context && pa_context_connect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) >= 0) {
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 500) {
            const pa_context_state_t state = pa_context_get_state(context);
            if (state == PA_CONTEXT_READY) {
                ready = true;
                break;
            }
            if (!PA_CONTEXT_IS_GOOD(state))
                break;
            if (pa_mainloop_prepare(loop, 50000) < 0 || pa_mainloop_poll(loop) < 0 || pa_mainloop_dispatch(loop) < 0)
                break;
        }
        pa_context_disconnect(context);
    }
    if (context)
        pa_context_unref(context);
    pa_mainloop_free(loop);
    return ready;
}

// True once a server answered: Qt Multimedia may be used from then on.
bool serverFound()
{
    static bool found = false;
    static QElapsedTimer sinceProbe;
    if (found)
        return true;
    if (sinceProbe.isValid() && sinceProbe.elapsed() < 1000)
        return false;
    sinceProbe.start();
    found = serverAnswers();
    return found;
}

AudioDevices::Availability availability(bool server, bool device)
{
    if (!server)
        return AudioDevices::Availability::NoServer;
    return device ? AudioDevices::Availability::Available : AudioDevices::Availability::NoDevice;
}
}

AudioDevices::State AudioDevices::current()
{
    if (injected())
        return injected()();
    State state;
    if (!Clock::instance().isRealTime() || !serverFound())
        return state;
    state.server = true;
    state.input = !QMediaDevices::defaultAudioInput().isNull();
    state.output = !QMediaDevices::defaultAudioOutput().isNull();
    return state;
}

AudioDevices::Availability AudioDevices::input()
{
    const State state = current();
    return availability(state.server, state.input);
}

AudioDevices::Availability AudioDevices::output()
{
    const State state = current();
    return availability(state.server, state.output);
}

QAudioDevice AudioDevices::defaultInput()
{
    if (injected() || input() != Availability::Available)
        return QAudioDevice();
    return QMediaDevices::defaultAudioInput();
}

QAudioDevice AudioDevices::defaultOutput()
{
    if (injected() || output() != Availability::Available)
        return QAudioDevice();
    return QMediaDevices::defaultAudioOutput();
}

void AudioDevices::setStateForTesting(StateSource source)
{
    injected() = std::move(source);
}

bool AudioDevices::isInjected()
{
    return bool(injected());
}
