// What every export does around its dialog: a null result pointer shows nothing, a null argument
// gives result 1 without a dialog, one call runs at a time, and no exception leaves the library.
// A call that stores 1 for any other reason than the user's Cancel writes a debug line saying why.
#pragma once
#include <atomic>
#include <cstddef>

#include "app/common_controls.h"
#include "core/failure_line.h"
#include "platform/call_failure.h"

// Result codes: OK, anything else (also a failure), and, for the contour dialog only, another
// number of lines asked for.
constexpr int kResultOk = 0;
constexpr int kResultNotOk = 1;
constexpr int kResultNewLineCount = 2;

// The dialogs share the module's state (the chain of open modal runs, the colour lists' custom
// colours), so the library serves one call at a time. A call made while another one's dialog is
// open, from another thread or from the host's own code run by the open dialog's loop (a timer),
// is refused.
class OneCallAtATime {
public:
    OneCallAtATime() noexcept : m_entered(!Running().exchange(true)) {}
    ~OneCallAtATime() {
        if (m_entered) Running().store(false);
    }
    OneCallAtATime(const OneCallAtATime&) = delete;
    OneCallAtATime& operator=(const OneCallAtATime&) = delete;
    bool Entered() const noexcept { return m_entered; }

private:
    static std::atomic<bool>& Running() noexcept {
        static std::atomic<bool> running{false};
        return running;
    }
    bool m_entered;
};

// body() returns the result code; a body given a null pointer returns kResultNotOk before it
// shows anything. A refused call stores kResultNotOk and shows nothing. `name` is the export's.
template <class Body>
void RunExportWithCode(const char* name, int* pResult, Body body) noexcept {
    if (!pResult) {
        platform::WriteFailureLine(name, core::MakeFailure(core::FailureKind::NullArgument, "pResult"),
                                   core::Outcome::NothingStored);
        return;
    }
    const OneCallAtATime call;
    if (!call.Entered()) {
        // The running call's record is not this call's: it stays as it is.
        platform::WriteFailureLine(name, core::MakeFailure(core::FailureKind::Refused), core::Outcome::ResultOne);
        *pResult = kResultNotOk;
        return;
    }
    const platform::CallRecord record(name);
    int code = kResultNotOk;
    try {
        RegisterCommonControls();
        code = body();
    } catch (...) {
        platform::NoteCaughtException();
        code = kResultNotOk;
    }
    if (code == kResultNotOk) record.WriteNotedFailure();
    *pResult = code;
}

// body() returns true when the dialog ended with OK and the outputs were written.
template <class Body>
void RunExport(const char* name, int* pResult, Body body) noexcept {
    RunExportWithCode(name, pResult, [&] { return body() ? kResultOk : kResultNotOk; });
}

// True when none of the pointers is null; otherwise notes the first null one, named from `names`
// (the text of the argument list).
template <class... P>
bool AllGivenNamed(const char* names, P*... pointers) noexcept {
    const void* const given[] = {pointers...};
    for (std::size_t i = 0; i < sizeof...(P); ++i) {
        if (!given[i]) {
            platform::NoteFailure(core::NullArgumentFailure(names, i));
            return false;
        }
    }
    return true;
}

// ALL_GIVEN(pCount, pChoice): the failure line then names the argument as the export spells it.
#define ALL_GIVEN(...) AllGivenNamed(#__VA_ARGS__, __VA_ARGS__)
