// What every export does around its dialog: a null result pointer shows nothing, a null argument
// gives result 1 without a dialog, and no exception leaves the library.
#pragma once

// body() returns true when the dialog ended with OK and the outputs were written; a body given a
// null pointer returns false before it shows anything.
template <class Body>
void RunExport(int* pResult, Body body) noexcept {
    if (!pResult) return;
    bool ok = false;
    try {
        ok = body();
    } catch (...) {
        ok = false;
    }
    *pResult = ok ? 0 : 1;
}

// True when none of the pointers is null.
template <class... P>
bool AllGiven(P*... pointers) noexcept {
    return ((pointers != nullptr) && ...);
}
