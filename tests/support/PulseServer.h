#pragma once

#include <QString>

#include <memory>

class QProcess;
class QTemporaryDir;

// A private user-mode PulseAudio server for the tests that need real sound devices.
//
// start() runs `pulseaudio` with its own runtime folder (nothing of the user's session is
// touched) and these devices:
//   "speaker"  a null sink at 48 kHz stereo: the default output; its monitor
//              ("speaker.monitor") is what the programs played;
//   "micfeed"  a null sink that playIntoMicrophone() plays files into;
//   "mic"      the default input: the monitor of "micfeed" remapped as a source, so a file
//              played into "micfeed" is what a program hears from the microphone.
// It then points this process at the server (PULSE_SERVER), so it must run before anything
// in the process touches Qt Multimedia's devices.
//
// kill() ends the server with SIGKILL, as a sound device that vanishes; stop() (and the
// destructor) end it cleanly and remove the folder. The server and the client programs
// started here die with the test process in any case.
//
// Thread: main thread. Failure: start() returns false with error() when the programs are
// missing or the server does not answer within 10 s.
class PulseServer
{
public:
    PulseServer();
    ~PulseServer();

    static bool available();  // pulseaudio and its client programs are installed

    bool start();
    void stop();
    void kill();
    bool running() const;
    QString error() const { return m_error; }
    QString serverAddress() const;  // "unix:<folder>/native"

    // Runs a client program against this server; its exit code, -1 when it cannot run.
    int runClient(const QString &program, const QStringList &arguments, QString *output = nullptr,
                  int timeoutMs = 30000) const;
    // Starts `paplay` of `file` into "micfeed" (returns at once; the process ends with the file).
    bool playIntoMicrophone(const QString &file);
    // Starts recording "speaker.monitor" into `file` (WAV, 48 kHz stereo, 16-bit);
    // stopMonitorRecording() ends it and closes the file.
    bool startMonitorRecording(const QString &file);
    void stopMonitorRecording();

private:
    bool waitUntilAnswering();
    QProcess *client(const QString &program, const QStringList &arguments, const QString &output = QString()) const;

    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<QProcess> m_server;
    std::unique_ptr<QProcess> m_player;
    std::unique_ptr<QProcess> m_monitor;
    std::unique_ptr<QProcess> m_latencyKeeper;
    QString m_error;
};
