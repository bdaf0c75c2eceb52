// A UI test program never hangs the run: each case that has not ended within its time is failed
// by name and the process ends; tests/common/resume-run starts the program again, which then runs
// only the cases that had not run (a case that ended the process by crashing is skipped too).
#pragma once

namespace korvel_test {

// Reads the progress file KORVEL_TEST_PROGRESS names (if any), leaves out of GoogleTest's filter
// every case it lists, and from then on writes each case's start and end to it, failing a case
// still running after `seconds`. Call after testing::InitGoogleTest, before RUN_ALL_TESTS.
void WatchCases(int seconds);

// The exit code of a process the watchdog ended.
constexpr int kCaseHung = 3;

}  // namespace korvel_test
