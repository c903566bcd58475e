#pragma once

#include "platform/foundation/WeakDelegate.h"

class AudioPlayer;
class QWidget;

// The owner of the spectrum panels (SpectrumCompView): a panel whose play button was
// pressed tells its owner before it plays, so the owner can hand the play head over.
// The panel refers to its owner weakly, so a destroyed owner is never called.
//
// Thread: main thread.
class ZQPlayerBoxOutDelegate : public WeakDelegateTarget
{
public:
    ~ZQPlayerBoxOutDelegate() override = default;

    virtual void playPreHandle(AudioPlayer *player, QWidget *view)
    {
        (void)player;
        (void)view;
    }
};
