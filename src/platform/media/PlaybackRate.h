#pragma once

#include <algorithm>

// The playback rates the player offers: a tempo change that keeps the pitch, from 0.2 to
// 2.0 times the recorded speed.
//
// Thread: any. Never fails.
struct PlaybackRate
{
    static constexpr double minimum = 0.2;
    static constexpr double maximum = 2.0;

    // `rate` held within minimum..maximum; not a number counts as 1.0.
    static constexpr double bounded(double rate)
    {
        return rate == rate ? std::clamp(rate, minimum, maximum) : 1.0;
    }
};
