/*
 * Runs a host program and answers each dialog it opens, as its user would, so a sample can be
 * run unattended:
 *   dialog_presser ok|cancel <program> [arguments...]
 * Each dialog box (class #32770) of the program's process is pressed OK or Cancel once it is
 * shown. After the program ends this prints one line per dialog answered (its title in UTF-8)
 * and exits with the program's exit code; 124 when the program or a dialog does not end in time.
 */
#include <stdio.h>
#include <string.h>
#include <windows.h>

#include "shown_dialog.h"

enum { kMaxDialogs = 64, kPollMs = 20, kRunTimeoutMs = 120000 };

/* The program's whole command line: every argument quoted as the C runtime splits them. */
static void AppendQuoted(char* line, size_t size, const char* argument) {
    size_t length = strlen(line);
    _snprintf(line + length, size - length - 1, "%s\"%s\"", length ? " " : "", argument);
    line[size - 1] = '\0';
}

static void InheritStandardHandles(STARTUPINFOA* startup) {
    startup->dwFlags |= STARTF_USESTDHANDLES;
    startup->hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup->hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    startup->hStdError = GetStdHandle(STD_ERROR_HANDLE);
    SetHandleInformation(startup->hStdInput, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT);
    SetHandleInformation(startup->hStdOutput, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT);
    SetHandleInformation(startup->hStdError, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT);
}

int main(int argc, char** argv) {
    char commandLine[4096] = "";
    char titles[kMaxDialogs][256];
    int answered = 0, i, timedOut = 0;
    int button;
    STARTUPINFOA startup;
    PROCESS_INFORMATION child;
    DWORD started, exitCode = 1;
    HWND pressed = NULL;

    if (argc < 3 || (strcmp(argv[1], "ok") != 0 && strcmp(argv[1], "cancel") != 0)) {
        fprintf(stderr, "usage: dialog_presser ok|cancel <program> [arguments...]\n");
        return 2;
    }
    button = strcmp(argv[1], "ok") == 0 ? IDOK : IDCANCEL;
    for (i = 2; i < argc; ++i) AppendQuoted(commandLine, sizeof commandLine, argv[i]);

    memset(&startup, 0, sizeof startup);
    startup.cb = sizeof startup;
    InheritStandardHandles(&startup);
    if (!CreateProcessA(NULL, commandLine, NULL, NULL, TRUE, 0, NULL, NULL, &startup, &child)) {
        fprintf(stderr, "dialog_presser: cannot start %s (error %lu)\n", argv[2], GetLastError());
        return 2;
    }

    started = GetTickCount();
    while (WaitForSingleObject(child.hProcess, kPollMs) == WAIT_TIMEOUT) {
        HWND dialog;
        if (GetTickCount() - started > kRunTimeoutMs) {
            timedOut = 1;
            TerminateProcess(child.hProcess, 124);
            break;
        }
        /* Wait until the dialog last pressed has gone before looking for the next. */
        if (pressed && IsWindow(pressed)) continue;
        dialog = FindShownDialog(child.dwProcessId);
        if (!dialog || answered == kMaxDialogs) continue;
        {
            wchar_t title[128];
            GetWindowTextW(dialog, title, 128);
            WideCharToMultiByte(CP_UTF8, 0, title, -1, titles[answered], sizeof titles[answered], NULL, NULL);
        }
        ++answered;
        pressed = dialog;
        PressDialogButton(dialog, button);
    }
    GetExitCodeProcess(child.hProcess, &exitCode);
    CloseHandle(child.hThread);
    CloseHandle(child.hProcess);

    fflush(stdout);
    for (i = 0; i < answered; ++i) printf("pressed %s: %s\n", argv[1], titles[i]);
    if (timedOut) {
        printf("dialog_presser: %s did not end within %d s\n", argv[2], kRunTimeoutMs / 1000);
        return 124;
    }
    return (int)exitCode;
}
