// The record of the running call, plain data so nothing of it runs at load, at thread exit or
// after unloading, and the one place the library writes debug output.
#include "platform/call_failure.h"

#include <windows.h>

#include <exception>
#include <string>

namespace platform {
namespace {

const char* g_exportName = nullptr;
core::Failure g_failure{};

}  // namespace

CallRecord::CallRecord(const char* exportName) noexcept {
    g_exportName = exportName;
    g_failure = core::MakeFailure(core::FailureKind::None);
}

CallRecord::~CallRecord() {
    g_exportName = nullptr;
    g_failure = core::MakeFailure(core::FailureKind::None);
}

void CallRecord::WriteNotedFailure() const noexcept {
    if (g_failure.kind != core::FailureKind::None) WriteFailureLine(g_exportName, g_failure, core::Outcome::ResultOne);
}

void NoteFailure(const core::Failure& failure) noexcept {
    if (g_failure.kind == core::FailureKind::None) g_failure = failure;
}

void NoteCaughtException() noexcept {
    try {
        throw;
    } catch (const std::exception& e) {
        NoteFailure(core::MakeFailure(core::FailureKind::Exception, e.what()));
    } catch (...) {
        NoteFailure(core::MakeFailure(core::FailureKind::UnknownException));
    }
}

const core::Failure& NotedFailure() noexcept { return g_failure; }

void WriteSurvivedFailure(const core::Failure& failure) noexcept {
    WriteFailureLine(g_exportName, failure, core::Outcome::DialogGoesOn);
}

void WriteFailureLine(const char* exportName, const core::Failure& failure, core::Outcome outcome) noexcept {
    try {
        const std::string line = core::FailureLine(exportName, failure, outcome);
        // An exception's text comes in the system's code page.
        const int length = MultiByteToWideChar(CP_ACP, 0, line.c_str(), -1, nullptr, 0);
        if (length <= 0) return;
        std::wstring wide(static_cast<std::size_t>(length), L'\0');
        MultiByteToWideChar(CP_ACP, 0, line.c_str(), -1, wide.data(), length);
        OutputDebugStringW(wide.c_str());
    } catch (...) {
        // Out of memory for the line: the result code still tells the host.
    }
}

}  // namespace platform
