// Finding a thread's dialog boxes by their class.
#include "thread_dialogs.h"

namespace korvel_test {
namespace {

struct Found {
    bool shownOnly;
    std::vector<HWND> dialogs;
};

BOOL CALLBACK CollectDialog(HWND hwnd, LPARAM lParam) {
    auto& found = *reinterpret_cast<Found*>(lParam);
    if (IsDialogBox(hwnd) && (!found.shownOnly || IsWindowVisible(hwnd))) found.dialogs.push_back(hwnd);
    return TRUE;
}

}  // namespace

bool IsDialogBox(HWND window) {
    wchar_t cls[16] = {};
    GetClassNameW(window, cls, 16);
    return lstrcmpW(cls, L"#32770") == 0;
}

std::vector<HWND> ThreadDialogs(DWORD thread, bool shownOnly) {
    Found found{shownOnly, {}};
    EnumThreadWindows(thread, &CollectDialog, reinterpret_cast<LPARAM>(&found));
    return found.dialogs;
}

void PostCancel(HWND dialog) { PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0); }

}  // namespace korvel_test
