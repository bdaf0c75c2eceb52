// Work done on the thread of a window of the dialogs, where some things can only be done (an
// input context, subclassing) or must be done (asking a control's own objects).
#pragma once
#include <windows.h>

#include <functional>

#include "dialog_driver.h"

// Runs `work` on the thread of `window` as that thread's loop takes a message posted to the
// window, and waits for it; false when it did not run (no such window).
bool RunOnWindowThread(DialogDriver& d, HWND window, const std::function<void()>& work);
