// The cases' deadlines, and the progress file that lets a new process resume after a case that
// hung or crashed.
#include "case_watchdog.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <set>
#include <string>

#include "watchdog.h"

namespace korvel_test {
namespace {

std::string CaseName(const testing::TestInfo& info) {
    return std::string(info.test_suite_name()) + "." + info.name();
}

// Each case arms the one deadline at its start and disarms it at its end: a case's end can only
// release its own deadline, and the progress file is written under the deadline's lock alone once
// the case has run out of time.
class CaseDeadlines : public testing::EmptyTestEventListener {
public:
    CaseDeadlines(std::string progress, int seconds)
        : m_progress(std::move(progress)),
          m_seconds(seconds),
          m_watchdog([this](const std::string& name) { OnHung(name); }, kCaseHung) {}

    void OnTestStart(const testing::TestInfo& info) override {
        const std::string name = CaseName(info);
        Write("START " + name);
        m_watchdog.Arm(name, static_cast<unsigned>(m_seconds) * 1000);
    }

    void OnTestEnd(const testing::TestInfo& info) override {
        m_watchdog.Disarm();
        Write((info.result()->Passed() ? "OK " : "FAILED ") + CaseName(info));
    }

private:
    // A case that blocks (an export that never returns, a dialog loop that never ends) fails
    // here, by name; the process ends and the runner resumes at the next case.
    void OnHung(const std::string& name) const {
        std::printf("[  FAILED  ] %s: did not end within %d s; the run goes on in a new process\n", name.c_str(),
                    m_seconds);
        std::fflush(stdout);
        Write("HUNG " + name);
    }

    void Write(const std::string& line) const {
        if (m_progress.empty()) return;
        std::ofstream(m_progress, std::ios::app) << line << '\n';
    }

    const std::string m_progress;
    const int m_seconds;
    support::Watchdog m_watchdog;  // last: its thread starts after what it reads
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
    testing::UnitTest::GetInstance()->listeners().Append(new CaseDeadlines(progress, seconds));
}

}  // namespace korvel_test
