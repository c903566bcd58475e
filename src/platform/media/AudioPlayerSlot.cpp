#include "AudioPlayerSlot.h"

#include "AudioPlayer.h"

#include <QCoreApplication>

namespace {
std::unique_ptr<AudioPlayer> &slot()
{
    static std::unique_ptr<AudioPlayer> player;
    static bool cleanupRegistered = false;
    if (!cleanupRegistered && QCoreApplication::instance()) {
        qAddPostRoutine([] { AudioPlayerSlot::clear(); });
        cleanupRegistered = true;
    }
    return player;
}
}

namespace AudioPlayerSlot {
AudioPlayer *sharedPlayer()
{
    return slot().get();
}

void replace(std::unique_ptr<AudioPlayer> player)
{
    std::unique_ptr<AudioPlayer> previous = std::move(slot());
    slot() = std::move(player);
    if (previous)
        previous->stop();
}

void clear()
{
    std::unique_ptr<AudioPlayer> previous = std::move(slot());
    if (previous)
        previous->stop();
}
}
