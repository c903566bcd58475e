#pragma once

#include <mutex>

// The one lock of the speech libraries.
//
// The decoder library keeps process-wide state (its log destination), the language-model
// conversion touches it too, and FFTW's planner is not thread-safe. Every operation that
// uses them (a recognition run, a model generation, a power spectrum) holds this lock for
// its whole length, so they never overlap whichever thread runs them: the comparison
// engine's worker and a caller on the main thread alike. The lock is recursive because a
// run holds it while calling other locked operations.
//
// Thread: any. Never fails.
namespace SpeechLibraryLock {
std::recursive_mutex &mutex();
using Guard = std::lock_guard<std::recursive_mutex>;
}
