#include "SpeechLibraryLock.h"

namespace SpeechLibraryLock {
std::recursive_mutex &mutex()
{
    static std::recursive_mutex lock;
    return lock;
}
}
