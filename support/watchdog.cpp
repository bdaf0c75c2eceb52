// The watchdog's thread: sleeps until the deadline or a change, and ends the process on expiry.
#include "watchdog.h"

#include <windows.h>

namespace support {

Watchdog::Watchdog(std::function<void(const std::string&)> onExpiry, unsigned exitCode)
    : m_onExpiry(std::move(onExpiry)), m_exitCode(exitCode), m_thread([this] { Run(); }) {}

Watchdog::~Watchdog() {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stopping = true;
    }
    m_changed.notify_all();
    m_thread.join();
}

void Watchdog::Arm(const std::string& what, unsigned milliseconds) {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_armed = true;
        m_what = what;
        m_deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    }
    m_changed.notify_all();
}

void Watchdog::Disarm() {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_armed = false;
    }
    m_changed.notify_all();
}

void Watchdog::Run() {
    std::unique_lock<std::mutex> lock(m_mutex);
    while (!m_stopping) {
        if (!m_armed) {
            m_changed.wait(lock);
            continue;
        }
        // Woken early (a new step, a disarm, or spuriously): the loop reads the state again.
        m_changed.wait_until(lock, m_deadline);
        if (!m_armed || m_stopping || std::chrono::steady_clock::now() < m_deadline) continue;
        try {
            if (m_onExpiry) m_onExpiry(m_what);
        } catch (...) {
        }
        // The stuck thread is in a loop nobody can end; ExitProcess would run the DLLs' detach
        // code while that thread may still be inside one of them.
        TerminateProcess(GetCurrentProcess(), m_exitCode);
    }
}

}  // namespace support
