#pragma once

#include <QString>

// Log sink of the speech and audio classes. Levels: 2 errors, 8 progress and timing.
//
// Messages are discarded, so the engines stay quiet in the app and in the tools. For
// diagnosis, setting the environment variable PHRASEBOOK_LOG to a level (for example 8)
// prints every message at or below that level to stderr.
//
// Thread: any. Never fails.
class ZQLog
{
public:
    static void log(const QString &message, int level);
};
