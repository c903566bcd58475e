// Helper program of the capture test: plays one voice through playVoice at speed 0.5 on a
// manual clock and exits when it has finished, so that PHRASEBOOK_AUDIO_OUT, set by the
// test before the program starts, is read exactly as a user's run reads it.
// Usage: audio_capture_probe VOICE
// Exit status: 0 when the voice played to its end, 1 when it could not be played, 2 for
// wrong arguments.
#include "content/AppCommon.h"
#include "audio/AppCommonAudio.h"
#include "platform/media/AudioPlayer.h"
#include "platform/foundation/Clock.h"
#include "platform/foundation/Preferences.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: audio_capture_probe VOICE\n");
        return 2;
    }
    QTemporaryDir scratch;
    Preferences::setStorageFile(scratch.path() + QStringLiteral("/preferences.ini"));
    ManualClock clock;
    Clock::setInstance(&clock);
    AppCommon::setPlaySpeed(0.5);
    std::unique_ptr<AudioPlayer> player =
        AppCommon::playVoice(QUrl::fromLocalFile(QString::fromLocal8Bit(argv[1])), 0);
    if (!player)
        return 1;
    bool finished = false;
    QObject::connect(player.get(), &AudioPlayer::didFinishPlaying, [&finished](AudioPlayer *, bool) { finished = true; });
    for (int step = 0; step < 6000 && !finished; ++step)
        clock.advance(10);
    return finished ? 0 : 1;
}
