/* Finding the dialog box a process shows, as the tests that answer dialogs for a host need. */
#ifndef KORVEL_TESTS_SHOWN_DIALOG_H
#define KORVEL_TESTS_SHOWN_DIALOG_H

#include <windows.h>

/* A visible, enabled top-level dialog box (class #32770) of the process, or NULL. */
HWND FindShownDialog(DWORD process);

/* Presses the dialog's button (IDOK or IDCANCEL) as a click on it would. */
void PressDialogButton(HWND dialog, int button);

#endif
