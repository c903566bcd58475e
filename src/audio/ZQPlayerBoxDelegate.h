#pragma once

#include "platform/foundation/WeakDelegate.h"

class AudioPlayer;

// Owner of a ZQPlayerBox. Every operation is optional (an empty default); the box refers to
// its delegate weakly (WeakDelegate), so a destroyed owner is never called.
//
// `player` is the shared audio player (AudioPlayerSlot) at the moment of the call; it may
// be null when no item could be opened.
//
// Thread: main thread.
class ZQPlayerBoxDelegate : public WeakDelegateTarget
{
public:
    ~ZQPlayerBoxDelegate() override = default;

    // An item has just started sounding.
    virtual void play(AudioPlayer *player) { (void)player; }
    // The box was stopped, or playItem() is replacing the current item.
    virtual void stop(AudioPlayer *player) { (void)player; }
    // An item (with its repetitions) has finished, before the box moves on.
    virtual void audioPlayerDidFinishPlaying(AudioPlayer *player, bool successfully)
    {
        (void)player;
        (void)successfully;
    }
    // Every progress tick, with the box's timerInterval in seconds.
    virtual void periodicTimeObserver(AudioPlayer *player, float interval)
    {
        (void)player;
        (void)interval;
    }
};
