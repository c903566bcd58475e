#include "PulseServer.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>
#include <sys/prctl.h>

namespace {
QProcessEnvironment serverEnvironment(const QString &folder)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // Everything the server and its clients keep (cookie, state, sockets) stays in the folder.
    environment.insert(QStringLiteral("HOME"), folder);
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), folder);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), folder + QStringLiteral("/config"));
    environment.insert(QStringLiteral("PULSE_RUNTIME_PATH"), folder + QStringLiteral("/runtime"));
    environment.insert(QStringLiteral("PULSE_STATE_PATH"), folder + QStringLiteral("/state"));
    environment.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
    environment.remove(QStringLiteral("PULSE_SERVER"));
    return environment;
}

// The server and its helper programs end with the test process, however it ends (a
// crashed or killed test leaves no server behind).
void endsWithThisProcess(QProcess *process)
{
    process->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
}
}

PulseServer::PulseServer() = default;

PulseServer::~PulseServer() { stop(); }

bool PulseServer::available()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pulseaudio")).isEmpty()
        && !QStandardPaths::findExecutable(QStringLiteral("pactl")).isEmpty()
        && !QStandardPaths::findExecutable(QStringLiteral("paplay")).isEmpty()
        && !QStandardPaths::findExecutable(QStringLiteral("parecord")).isEmpty()
        && !QStandardPaths::findExecutable(QStringLiteral("pacat")).isEmpty();
}

QString PulseServer::serverAddress() const
{
    return m_folder ? QStringLiteral("unix:") + m_folder->path() + QStringLiteral("/native") : QString();
}

bool PulseServer::start()
{
    if (running())
        return true;
    m_folder = std::make_unique<QTemporaryDir>(QStringLiteral("/tmp/phrasebook-pulse-XXXXXX"));
    const QString folder = m_folder->path();
    // Clients of this process must never start a server of their own (when ours is killed
    // on purpose), and reach ours only.
    const QString clientConfig = folder + QStringLiteral("/client.conf");
    QFile config(clientConfig);
    if (!config.open(QIODevice::WriteOnly) || config.write("autospawn = no\n") < 0) {
        m_error = QStringLiteral("cannot write %1").arg(clientConfig);
        return false;
    }
    config.close();
    m_server = std::make_unique<QProcess>();
    endsWithThisProcess(m_server.get());
    m_server->setProcessEnvironment(serverEnvironment(folder));
    m_server->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_server->start(QStringLiteral("pulseaudio"),
                    {QStringLiteral("-n"), QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"),
                     QStringLiteral("--use-pid-file=no"), QStringLiteral("--realtime=no"),
                     QStringLiteral("--high-priority=no"), QStringLiteral("--log-level=error"),
                     QStringLiteral("--log-target=stderr"),
                     QStringLiteral("-L"), QStringLiteral("module-native-protocol-unix auth-anonymous=1 socket=%1/native").arg(folder),
                     QStringLiteral("-L"), QStringLiteral("module-null-sink sink_name=speaker rate=48000 channels=2"),
                     QStringLiteral("-L"), QStringLiteral("module-null-sink sink_name=micfeed rate=48000 channels=1"),
                     QStringLiteral("-L"), QStringLiteral("module-remap-source source_name=mic master=micfeed.monitor")});
    if (!m_server->waitForStarted(10000)) {
        m_error = QStringLiteral("pulseaudio did not start: %1").arg(m_server->errorString());
        return false;
    }
    qputenv("PULSE_SERVER", serverAddress().toLocal8Bit());
    qputenv("PULSE_CLIENTCONFIG", clientConfig.toLocal8Bit());
    if (!waitUntilAnswering())
        return false;
    if (runClient(QStringLiteral("pactl"), {QStringLiteral("set-default-sink"), QStringLiteral("speaker")}) != 0
        || runClient(QStringLiteral("pactl"), {QStringLiteral("set-default-source"), QStringLiteral("mic")}) != 0) {
        m_error = QStringLiteral("cannot choose the default devices");
        return false;
    }
    // A null sink's monitor runs with a latency of 2 s unless a client asks for less, and
    // Qt's recording streams do not: they would get the microphone in 2 s lumps. A reader
    // that asks for 20 ms (as a desktop's level meter does) keeps the microphone prompt.
    m_latencyKeeper.reset(client(QStringLiteral("pacat"), {QStringLiteral("--record"), QStringLiteral("--latency-msec=20"),
                                                           QStringLiteral("-d"), QStringLiteral("mic")},
                                 QProcess::nullDevice()));
    if (!m_latencyKeeper->waitForStarted(5000)) {
        m_error = QStringLiteral("pacat did not start");
        return false;
    }
    return true;
}

bool PulseServer::waitUntilAnswering()
{
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 10000) {
        if (m_server->state() != QProcess::Running) {
            m_error = QStringLiteral("pulseaudio exited (status %1)").arg(m_server->exitCode());
            return false;
        }
        if (runClient(QStringLiteral("pactl"), {QStringLiteral("info")}, nullptr, 5000) == 0)
            return true;
        QThread::msleep(50);
    }
    m_error = QStringLiteral("pulseaudio did not answer within 10 s");
    return false;
}

bool PulseServer::running() const { return m_server && m_server->state() == QProcess::Running; }

void PulseServer::kill()
{
    if (m_server) {
        m_server->kill();
        m_server->waitForFinished(5000);
    }
}

void PulseServer::stop()
{
    stopMonitorRecording();
    for (std::unique_ptr<QProcess> *process : {&m_player, &m_latencyKeeper}) {
        if (*process) {
            (*process)->kill();
            (*process)->waitForFinished(5000);
            process->reset();
        }
    }
    if (m_server) {
        m_server->terminate();
        if (!m_server->waitForFinished(5000))
            kill();
        m_server.reset();
    }
    m_folder.reset();
}

QProcess *PulseServer::client(const QString &program, const QStringList &arguments, const QString &output) const
{
    auto *process = new QProcess;
    endsWithThisProcess(process);
    process->setProcessChannelMode(QProcess::MergedChannels);
    if (!output.isEmpty())
        process->setStandardOutputFile(output);
    process->start(program, arguments);
    return process;
}

int PulseServer::runClient(const QString &program, const QStringList &arguments, QString *output,
                           int timeoutMs) const
{
    std::unique_ptr<QProcess> process(client(program, arguments));
    if (!process->waitForStarted(5000))
        return -1;
    if (!process->waitForFinished(timeoutMs)) {
        process->kill();
        process->waitForFinished(2000);
        return -1;
    }
    if (output)
        *output = QString::fromUtf8(process->readAll());
    return process->exitStatus() == QProcess::NormalExit ? process->exitCode() : -1;
}

bool PulseServer::playIntoMicrophone(const QString &file)
{
    m_player.reset(client(QStringLiteral("paplay"), {QStringLiteral("-d"), QStringLiteral("micfeed"), file}));
    return m_player->waitForStarted(5000);
}

bool PulseServer::startMonitorRecording(const QString &file)
{
    m_monitor.reset(client(QStringLiteral("parecord"),
                           {QStringLiteral("-d"), QStringLiteral("speaker.monitor"), QStringLiteral("--latency-msec=20"),
                            QStringLiteral("--rate=48000"),
                            QStringLiteral("--channels=2"), QStringLiteral("--format=s16le"),
                            QStringLiteral("--file-format=wav"), file}));
    return m_monitor->waitForStarted(5000);
}

void PulseServer::stopMonitorRecording()
{
    if (!m_monitor)
        return;
    // parecord closes the file properly on SIGTERM.
    m_monitor->terminate();
    if (!m_monitor->waitForFinished(5000)) {
        m_monitor->kill();
        m_monitor->waitForFinished(2000);
    }
    m_monitor.reset();
}
