// The gallery's last resort: a thread that ends the process when one step has not finished in
// time, so a dialog that nothing can close never leaves the run hanging.
#pragma once
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

namespace demo {

class Watchdog {
public:
    // onExpiry(what) runs on the watchdog's thread just before the process exits with exitCode.
    Watchdog(std::function<void(const std::string&)> onExpiry, unsigned exitCode);
    ~Watchdog();
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

    void Arm(const std::string& what, unsigned milliseconds);
    void Disarm();

private:
    void Run();

    std::function<void(const std::string&)> m_onExpiry;
    unsigned m_exitCode;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_armed = false;
    bool m_stopping = false;
    std::string m_what;
    std::chrono::steady_clock::time_point m_deadline;
    std::thread m_thread;  // last: starts after everything it reads
};

}  // namespace demo
