// The dialog boxes (class #32770) a thread shows: what a call opened, found from another thread.
#pragma once
#include <windows.h>

#include <vector>

namespace korvel_test {

// Whether `window` is a dialog box (class #32770).
bool IsDialogBox(HWND window);

// The top-level dialog boxes of `thread`, in the order the system lists its windows (the topmost
// first); only the shown ones unless `shownOnly` is false.
std::vector<HWND> ThreadDialogs(DWORD thread, bool shownOnly = true);

// Presses a dialog's Cancel (posted, as its button's notification).
void PostCancel(HWND dialog);

}  // namespace korvel_test
