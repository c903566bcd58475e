#pragma once

#include "platform/foundation/WeakDelegate.h"

class AudioRecorder;

// Observer of a ZQAudioRecorder. The protocol's operations are optional: each has an empty
// default, so a delegate overrides only those it wants. The recorder refers to its delegate
// weakly (WeakDelegate): a destroyed delegate is never called.
//
// Thread: main thread.
class ZQRecorderDelegate : public WeakDelegateTarget
{
public:
    ~ZQRecorderDelegate() override = default;

    // Every polling step while recording: the current linear peak level (0 to 1) and the
    // polling interval in seconds.
    virtual void periodicTimeObserver(AudioRecorder *recorder, float powerValue, float interval)
    {
        (void)recorder;
        (void)powerValue;
        (void)interval;
    }
    // The platform recorder has finished a recording (false: it was cut off).
    virtual void recorderDidFinishRecording(AudioRecorder *recorder, bool successfully)
    {
        (void)recorder;
        (void)successfully;
    }
};
