// Input as a person gives it, posted to a window of another thread: once that thread's loop takes
// it, it goes through the window's own hit testing and handling.
#pragma once
#include <windows.h>

#include <string>

namespace korvel_test {

// The mouse moved to a point of the window's client area, the left button pressed and released.
void PostClick(HWND window, POINT client);
// A click and the second press of a double click there.
void PostDoubleClick(HWND window, POINT client);
// Key down and up.
void PostKey(HWND window, UINT vk);
// Characters as typing makes them (WM_CHAR).
void PostText(HWND window, const std::wstring& text);
// The window that has the keyboard focus of `thread`; null when none has.
HWND FocusOf(DWORD thread);

}  // namespace korvel_test
