#include "ZQLog.h"

#include <cstdio>
#include <cstdlib>

namespace {
int thresholdFromEnvironment()
{
    const char *value = std::getenv("PHRASEBOOK_LOG");
    return value ? std::atoi(value) : 0;
}
}

void ZQLog::log(const QString &message, int level)
{
    static const int threshold = thresholdFromEnvironment();
    if (threshold > 0 && level <= threshold)
        std::fprintf(stderr, "[%d] %s\n", level, message.toLocal8Bit().constData());
}
