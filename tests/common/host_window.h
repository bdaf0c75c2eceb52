// A host's main window on the calling thread, shown and made active, so that the library's
// dialogs take it as their owner. Its procedure is DefWindowProcW: WM_CLOSE destroys it.
#pragma once
#include <windows.h>

HWND CreateHostWindow(int x, int y, int width, int height, HWND owner = nullptr,
                      DWORD style = WS_OVERLAPPEDWINDOW | WS_VISIBLE);
