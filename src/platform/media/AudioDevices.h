#pragma once

#include <QAudioDevice>

#include <functional>

// The sound devices the program can use now: whether a sound server answers, and its
// default input and output.
//
// Qt Multimedia's PulseAudio engine connects once, on its first use, and never again when
// no server answered then: a program started before its sound server would stay silent
// until restarted. So nothing here touches Qt Multimedia until a probe with libpulse finds
// a server; until then every question answers "no server" (the probe runs at most once a
// second). From the first answer on, Qt's device lists follow the server: a microphone
// plugged in later shows up, one unplugged goes.
//
// Only the system clock uses devices (Clock::isRealTime); on another clock there are
// none, unless a test injects what the devices look like (setStateForTesting).
//
// Thread: main thread. Failure: none; an unreachable server and a missing device are
// answers, not errors.
class AudioDevices
{
public:
    enum class Availability { Available, NoDevice, NoServer };

    struct State
    {
        bool server = false;
        bool input = false;
        bool output = false;
    };

    static Availability input();
    static Availability output();
    // The default devices (null when not Available, or when the state is injected).
    static QAudioDevice defaultInput();
    static QAudioDevice defaultOutput();

    // Tests: what the devices look like instead of the real ones (empty: back to normal).
    using StateSource = std::function<State()>;
    static void setStateForTesting(StateSource source);
    static bool isInjected();

private:
    static State current();
};
