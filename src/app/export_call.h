// What every export does around its dialog: a null result pointer shows nothing, a null argument
// gives result 1 without a dialog, one call runs at a time, and no exception leaves the library.
#pragma once
#include <atomic>

#include "app/common_controls.h"

// Result codes: OK, anything else (also a failure), and, for the contour dialog only, another
// number of lines asked for.
constexpr int kResultOk = 0;
constexpr int kResultNotOk = 1;
constexpr int kResultNewLineCount = 2;

// The dialogs share the module's state (scratch buffers, the list of open dialogs), so the
// library serves one call at a time. A call made while another one's dialog is open, from another
// thread or from the host's own code run by the open dialog's loop (a timer), is refused.
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
// shows anything. A refused call stores kResultNotOk and shows nothing.
template <class Body>
void RunExportWithCode(int* pResult, Body body) noexcept {
    if (!pResult) return;
    const OneCallAtATime call;
    int code = kResultNotOk;
    if (call.Entered()) {
        try {
            RegisterCommonControls();
            code = body();
        } catch (...) {
            code = kResultNotOk;
        }
    }
    *pResult = code;
}

// body() returns true when the dialog ended with OK and the outputs were written.
template <class Body>
void RunExport(int* pResult, Body body) noexcept {
    RunExportWithCode(pResult, [&] { return body() ? kResultOk : kResultNotOk; });
}

// True when none of the pointers is null.
template <class... P>
bool AllGiven(P*... pointers) noexcept {
    return ((pointers != nullptr) && ...);
}
