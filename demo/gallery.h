// The gallery: every export of the table is called with its sample data from the host window;
// each dialog is photographed to <folder>\<export>.png and confirmed with OK, and the host's
// variables after the call are reported, one line per export.
#pragma once
#include <windows.h>

#include <string>

namespace demo {

// 0 when every dialog was photographed and closed with OK; otherwise the number of failures.
int RunGallery(HWND host, const std::wstring& folder);

}  // namespace demo
