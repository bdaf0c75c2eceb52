/* Finds the dialog box a process shows and presses its buttons. */
#include "shown_dialog.h"

#include <string.h>

struct Search {
    DWORD process;
    HWND found;
};

static BOOL CALLBACK OnTopLevelWindow(HWND window, LPARAM param) {
    struct Search* search = (struct Search*)param;
    DWORD process = 0;
    char className[16];
    GetWindowThreadProcessId(window, &process);
    if (process != search->process || !IsWindowVisible(window) || !IsWindowEnabled(window)) return TRUE;
    if (!GetClassNameA(window, className, sizeof className) || strcmp(className, "#32770") != 0) return TRUE;
    search->found = window;
    return FALSE;
}

HWND FindShownDialog(DWORD process) {
    struct Search search;
    search.process = process;
    search.found = NULL;
    EnumWindows(OnTopLevelWindow, (LPARAM)&search);
    return search.found;
}

void PressDialogButton(HWND dialog, int button) {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), (LPARAM)GetDlgItem(dialog, button));
}
