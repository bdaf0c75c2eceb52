// The export call being served and the first failure that ends it, and the debug line that tells
// a host's developer why a call stored 1 (a debugger or a debug-output viewer shows it).
// The library serves one call at a time, so one record serves the process.
#pragma once
#include "core/failure_line.h"

namespace platform {

// Held by an export for the length of one call that runs: names the call, with no failure yet.
class CallRecord {
public:
    explicit CallRecord(const char* exportName) noexcept;
    ~CallRecord();
    CallRecord(const CallRecord&) = delete;
    CallRecord& operator=(const CallRecord&) = delete;

    // Writes the line of the failure noted, if any: a call that stores 1 with none noted was
    // cancelled by the user.
    void WriteNotedFailure() const noexcept;
};

// Keeps the first failure of the running call: what happens after it follows from it.
void NoteFailure(const core::Failure& failure) noexcept;
// Inside a catch block: notes the exception being handled.
void NoteCaughtException() noexcept;
const core::Failure& NotedFailure() noexcept;

// A failure the running call survives (a nested dialog or the colour chooser that could not be
// shown): its line is written at once.
void WriteSurvivedFailure(const core::Failure& failure) noexcept;

// One line through OutputDebugStringW, for a call that has no record (one that never started).
void WriteFailureLine(const char* exportName, const core::Failure& failure, core::Outcome outcome) noexcept;

}  // namespace platform
