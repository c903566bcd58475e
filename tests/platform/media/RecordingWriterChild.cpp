// Child program of the recordings' kill test: records the file-fed microphone into one
// target again and again (each take 20 to 200 ms, then a pause of up to 100 ms), until it
// is killed.
// Usage: recording_writer_child TARGET.caf MICROPHONE.wav
// Prints "ready", then "saved N" after each take that was kept (N counts the takes).
// Exit status: 1 when a take cannot start or is not kept, 2 for wrong arguments.
#include "platform/media/AudioRecorder.h"
#include "platform/media/AudioSession.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QRandomGenerator>
#include <QTimer>

#include <cstdio>

namespace {
void runEventsFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

bool recordOneTake(const QString &target)
{
    std::unique_ptr<AudioRecorder> recorder = AudioRecorder::create(target, AudioRecorderSettings());
    if (!recorder || !recorder->record())
        return false;
    bool kept = false;
    QEventLoop finished;
    QObject::connect(recorder.get(), &AudioRecorder::didFinishRecording, &finished,
                     [&](AudioRecorder *, bool successfully) {
                         kept = successfully;
                         finished.quit();
                     });
    runEventsFor(20 + int(QRandomGenerator::global()->bounded(180)));
    recorder->stop();
    finished.exec();
    return kept;
}
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: recording_writer_child TARGET.caf MICROPHONE.wav\n");
        return 2;
    }
    AudioSession::sharedInstance().setMicrophoneFile(QString::fromLocal8Bit(argv[2]));
    const QString target = QString::fromLocal8Bit(argv[1]);
    std::printf("ready\n");
    std::fflush(stdout);
    for (long long take = 1;; ++take) {
        if (!recordOneTake(target)) {
            std::fprintf(stderr, "take %lld was not kept\n", take);
            return 1;
        }
        std::printf("saved %lld\n", take);
        std::fflush(stdout);
        // A pause between takes, as a learner listens back before trying again.
        runEventsFor(int(QRandomGenerator::global()->bounded(100)));
    }
}
