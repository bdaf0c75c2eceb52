// What every export does around its dialog: a null result pointer shows nothing, a null argument
// gives result 1 without a dialog, and no exception leaves the library.
#pragma once

// Result codes: OK, anything else (also a failure), and, for the contour dialog only, another
// number of lines asked for.
constexpr int kResultOk = 0;
constexpr int kResultNotOk = 1;
constexpr int kResultNewLineCount = 2;

// body() returns the result code; a body given a null pointer returns kResultNotOk before it
// shows anything.
template <class Body>
void RunExportWithCode(int* pResult, Body body) noexcept {
    if (!pResult) return;
    int code = kResultNotOk;
    try {
        code = body();
    } catch (...) {
        code = kResultNotOk;
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
