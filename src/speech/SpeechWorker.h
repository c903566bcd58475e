#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

// The thread that does speech work ahead of time (the comparison engine's preparation while
// the learner is still speaking): jobs run one at a time, in the order they were posted.
//
// Jobs must be safe to abandon: they hold what they use (shared state, never a screen) and
// check for themselves whether their result is still wanted. The speech libraries are
// serialised by SpeechLibraryLock, not by this queue, so a job may overlap work on the
// main thread only outside the library calls.
//
// The thread starts with the first job. When the application object is destroyed (or at
// exit without one) the worker stops: queued jobs are dropped and the running one is
// waited for; jobs posted after that are dropped.
//
// Thread: post() from any thread; jobs run on the worker thread. Failure: none reported.
class SpeechWorker
{
public:
    static SpeechWorker &instance();

    void post(std::function<void()> job);
    // Blocks until every job posted so far has run (benchmarks and tests).
    void waitUntilIdle();
    // Drops the queued jobs, waits for the running one and ends the thread.
    void shutdown();

    SpeechWorker(const SpeechWorker &) = delete;
    SpeechWorker &operator=(const SpeechWorker &) = delete;
    ~SpeechWorker();

private:
    SpeechWorker() = default;
    void run();

    std::mutex m_lock;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::deque<std::function<void()>> m_jobs;
    bool m_busy = false;
    bool m_stopped = false;
    std::thread m_thread;
};
