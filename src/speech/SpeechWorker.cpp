#include "SpeechWorker.h"

#include <QCoreApplication>

SpeechWorker &SpeechWorker::instance()
{
    static SpeechWorker worker;
    static const bool stopsWithTheApplication = [] {
        // Before the application's statics go: a running job may still use them.
        qAddPostRoutine([] { SpeechWorker::instance().shutdown(); });
        return true;
    }();
    Q_UNUSED(stopsWithTheApplication);
    return worker;
}

SpeechWorker::~SpeechWorker()
{
    shutdown();
}

void SpeechWorker::post(std::function<void()> job)
{
    std::lock_guard guard(m_lock);
    if (m_stopped)
        return;
    m_jobs.push_back(std::move(job));
    if (!m_thread.joinable())
        m_thread = std::thread([this] { run(); });
    m_wake.notify_one();
}

void SpeechWorker::waitUntilIdle()
{
    std::unique_lock guard(m_lock);
    m_idle.wait(guard, [this] { return m_jobs.empty() && !m_busy; });
}

void SpeechWorker::shutdown()
{
    std::deque<std::function<void()>> dropped;
    {
        std::lock_guard guard(m_lock);
        m_stopped = true;
        dropped.swap(m_jobs);
        m_wake.notify_one();
    }
    if (m_thread.joinable() && m_thread.get_id() != std::this_thread::get_id())
        m_thread.join();
    m_idle.notify_all();
}

void SpeechWorker::run()
{
    std::unique_lock guard(m_lock);
    for (;;) {
        m_wake.wait(guard, [this] { return m_stopped || !m_jobs.empty(); });
        if (m_stopped)
            return;
        std::function<void()> job = std::move(m_jobs.front());
        m_jobs.pop_front();
        m_busy = true;
        guard.unlock();
        job();
        job = nullptr;  // what the job held goes here, on the worker
        guard.lock();
        m_busy = false;
        if (m_jobs.empty())
            m_idle.notify_all();
    }
}
