// A deadline for one step at a time, on a thread of its own: a step that has not ended in time
// (a dialog nothing can close, an export that never returns) ends the process, so a run reports
// what blocked instead of hanging. The demo's gallery, the UI test programs' cases and the
// hostile host's calls each arm it around one step.
#pragma once
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

namespace support {

class Watchdog {
public:
    // onExpiry(what) runs on the watchdog's thread, under its lock, just before the process ends
    // with exitCode: once it runs, no Arm or Disarm of the step's end can slip in between.
    Watchdog(std::function<void(const std::string&)> onExpiry, unsigned exitCode);
    ~Watchdog();
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

    // Starts the step `what`, which must end (Disarm) within `milliseconds`; replaces any step
    // still armed, so each step has one deadline that no other step's end can release.
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

}  // namespace support
