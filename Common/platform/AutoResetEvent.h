// An event that lets one waiter through each time it is set, then resets
// itself. A set with nobody waiting stays set for the next waiter.
#pragma once

#include <condition_variable>
#include <mutex>

class CAutoResetEvent {
public:
    void SetEvent()
    {
        {
            std::lock_guard guard(m_lock);
            m_signalled = true;
        }
        m_changed.notify_one();
    }
    void ResetEvent()
    {
        std::lock_guard guard(m_lock);
        m_signalled = false;
    }
    // Waits, without a time-out, until the event is set, and resets it.
    void Wait()
    {
        std::unique_lock guard(m_lock);
        m_changed.wait(guard, [this] { return m_signalled; });
        m_signalled = false;
    }

private:
    std::mutex m_lock;
    std::condition_variable m_changed;
    bool m_signalled = false;
};
