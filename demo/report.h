// The gallery's report: each line goes to standard output (when the process has one) and to a
// text file beside the pictures.
#pragma once
#include <mutex>
#include <string>

#include "win_handles.h"

namespace demo {

class Report {
public:
    explicit Report(const std::wstring& path);
    bool FileOpen() const noexcept { return static_cast<bool>(m_file); }
    // Safe from any thread: the watchdog reports from its own.
    void Line(const std::string& line);

private:
    std::mutex m_mutex;
    UniqueKernelHandle m_file;
    UniqueKernelHandle m_console;  // the parent's console, when standard output had to be found there
    HANDLE m_stdout = nullptr;     // not owned
};

}  // namespace demo
