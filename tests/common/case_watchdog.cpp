// The watchdog: a thread that waits for each case's end, and the progress file that lets a new
// process resume after a case that hung or crashed.
#include "case_watchdog.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <set>
#include <string>

namespace korvel_test {
namespace {

std::string CaseName(const testing::TestInfo& info) {
    return std::string(info.test_suite_name()) + "." + info.name();
}

class Watchdog : public testing::EmptyTestEventListener {
public:
    Watchdog(std::string progress, int seconds)
        : m_progress(std::move(progress)), m_seconds(seconds), m_ended(CreateEventW(nullptr, FALSE, FALSE, nullptr)) {}

    void OnTestStart(const testing::TestInfo& info) override {
        m_case = CaseName(info);
        Write("START " + m_case);
        ResetEvent(m_ended);
        HANDLE thread = CreateThread(nullptr, 0, &Watchdog::Wait, this, 0, nullptr);
        if (thread) CloseHandle(thread);
    }

    void OnTestEnd(const testing::TestInfo& info) override {
        SetEvent(m_ended);
        Write((info.result()->Passed() ? "OK " : "FAILED ") + m_case);
    }

private:
    static DWORD WINAPI Wait(void* self) {
        auto& dog = *static_cast<Watchdog*>(self);
        if (WaitForSingleObject(dog.m_ended, static_cast<DWORD>(dog.m_seconds) * 1000) == WAIT_OBJECT_0) return 0;
        // A case that blocks (an export that never returns, a dialog loop that never ends) fails
        // here, by name; the process ends and the runner resumes at the next case.
        std::printf("[  FAILED  ] %s: did not end within %d s; the run goes on in a new process\n",
                    dog.m_case.c_str(), dog.m_seconds);
        std::fflush(stdout);
        dog.Write("HUNG " + dog.m_case);
        TerminateProcess(GetCurrentProcess(), kCaseHung);
        return 0;
    }

    void Write(const std::string& line) const {
        if (m_progress.empty()) return;
        std::ofstream(m_progress, std::ios::app) << line << '\n';
    }

    std::string m_progress;
    int m_seconds;
    HANDLE m_ended;
    std::string m_case;
};

// The cases a progress file names: those that ran, and the one a process ended in.
std::set<std::string> CasesRun(const std::string& progress) {
    std::set<std::string> cases;
    std::ifstream in(progress);
    for (std::string line; std::getline(in, line);) {
        const std::size_t space = line.find(' ');
        if (space != std::string::npos) cases.insert(line.substr(space + 1));
    }
    return cases;
}

}  // namespace

void WatchCases(int seconds) {
    const char* named = std::getenv("KORVEL_TEST_PROGRESS");
    const std::string progress = named ? named : "";
    if (!progress.empty()) {
        const std::set<std::string> run = CasesRun(progress);
        if (!run.empty()) {
            std::string filter = GTEST_FLAG_GET(filter);
            filter += filter.find('-') == std::string::npos ? "-" : ":";
            for (const std::string& name : run) filter += name + ":";
            GTEST_FLAG_SET(filter, filter);
        }
    }
    testing::UnitTest::GetInstance()->listeners().Append(new Watchdog(progress, seconds));
}

}  // namespace korvel_test
