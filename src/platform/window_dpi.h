// The DPI a window is drawn for.
#pragma once
#include <windows.h>

namespace platform {

// GetDpiForWindow where the system has it (Windows 10 1607 on) and the window is DPI-aware: a
// per-monitor-aware window's own monitor's DPI. Otherwise the screen's LOGPIXELSY, which Windows
// gives a DPI-unaware window as 96 (it stretches what the window draws) and which Wine, which does
// not stretch, gives as the screen's real DPI, the one the dialogs' fonts were made for.
int WindowDpi(HWND window);

// Whether the dialog manager re-fonts and re-lays out `dialog` itself when it moves to a screen
// of another DPI: only for a per-monitor-v2 window (Windows 10 1703 on). A per-monitor-v1 window
// gets WM_DPICHANGED and nothing else.
bool DialogManagerFollowsDpi(HWND dialog);

}  // namespace platform
