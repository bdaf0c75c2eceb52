/*
 * Checks that Korvel.dll registers the common-control classes itself, for a host that never
 * called InitCommonControlsEx (this program links no comctl32): the DLL's import of
 * InitCommonControlsEx is redirected to a recorder, then two dialogs are opened and cancelled.
 * The recorder must see exactly one call, before the first dialog, asking for the list-view
 * and tree-view classes. Prints what it saw; exits with 0 when all holds.
 */
#include <stdio.h>
#include <string.h>
#include <windows.h>
#include <commctrl.h>

#include "korvel.h"
#include "shown_dialog.h"

typedef BOOL(WINAPI* InitFunction)(const INITCOMMONCONTROLSEX*);
typedef void(KORVEL_CALL* CoordinateExport)(int*, int*, int*, const char*, const char*);

static InitFunction realInit;
static int calls, dialogsBeforeFirstCall, dialogsCancelled;
static DWORD classesAsked;
static volatile LONG stopCloser;

static BOOL WINAPI RecordInit(const INITCOMMONCONTROLSEX* classes) {
    if (++calls == 1) {
        classesAsked = classes ? classes->dwICC : 0;
        dialogsBeforeFirstCall = dialogsCancelled + (FindShownDialog(GetCurrentProcessId()) != NULL);
    }
    return realInit(classes);
}

/* The import address table entry of module!function in the image at base, or NULL. */
static ULONG_PTR* ImportSlot(BYTE* base, const char* module, const char* function) {
    const IMAGE_NT_HEADERS* nt = (const IMAGE_NT_HEADERS*)(base + ((const IMAGE_DOS_HEADER*)base)->e_lfanew);
    const IMAGE_DATA_DIRECTORY* directory = &nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    const IMAGE_IMPORT_DESCRIPTOR* import = (const IMAGE_IMPORT_DESCRIPTOR*)(base + directory->VirtualAddress);
    for (; directory->VirtualAddress && import->Name; ++import) {
        const IMAGE_THUNK_DATA* names = (const IMAGE_THUNK_DATA*)(base + import->OriginalFirstThunk);
        IMAGE_THUNK_DATA* slots = (IMAGE_THUNK_DATA*)(base + import->FirstThunk);
        if (lstrcmpiA((const char*)(base + import->Name), module) != 0) continue;
        for (; names->u1.AddressOfData; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
            if (strcmp((const char*)((const IMAGE_IMPORT_BY_NAME*)(base + names->u1.AddressOfData))->Name, function) == 0)
                return (ULONG_PTR*)&slots->u1.Function;
        }
    }
    return NULL;
}

/* Cancels every dialog this process shows until told to stop. */
static DWORD WINAPI CancelDialogs(LPVOID unused) {
    HWND pressed = NULL;
    (void)unused;
    while (!stopCloser) {
        HWND dialog = FindShownDialog(GetCurrentProcessId());
        if (dialog && dialog != pressed) {
            ++dialogsCancelled;
            pressed = dialog;
            PressDialogButton(dialog, IDCANCEL);
        }
        Sleep(20);
    }
    return 0;
}

int main(void) {
    HMODULE korvel = LoadLibraryW(L"Korvel.dll");
    CoordinateExport showCoordinates;
    ULONG_PTR* slot;
    DWORD oldProtection;
    HANDLE closer;
    int results[2], i, ok;
    const DWORD wanted = ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES;

    if (!korvel) {
        printf("cannot load Korvel.dll (error %lu)\n", GetLastError());
        return 1;
    }
    slot = ImportSlot((BYTE*)korvel, "comctl32.dll", "InitCommonControlsEx");
    if (!slot) {
        printf("Korvel.dll does not import InitCommonControlsEx\n");
        return 1;
    }
    VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &oldProtection);
    realInit = (InitFunction)*slot;
    *slot = (ULONG_PTR)RecordInit;
    VirtualProtect(slot, sizeof *slot, oldProtection, &oldProtection);

    /* Through a function type without arguments: FARPROC's own does not match the export's. */
    showCoordinates = (CoordinateExport)(void (*)(void))GetProcAddress(korvel, "FXJG_SHOWZB_DLG");
    closer = CreateThread(NULL, 0, CancelDialogs, NULL, 0, NULL);
    for (i = 0; i < 2; ++i) {
        int count = 4, choice = 1;
        results[i] = -1;
        showCoordinates(&results[i], &count, &choice, "heading|a|b|c", "title");
    }
    InterlockedExchange(&stopCloser, 1);
    WaitForSingleObject(closer, INFINITE);
    CloseHandle(closer);

    printf("InitCommonControlsEx calls: %d, classes 0x%lx, dialogs before it: %d, dialogs cancelled: %d, results %d %d\n",
           calls, classesAsked, dialogsBeforeFirstCall, dialogsCancelled, results[0], results[1]);
    ok = calls == 1 && (classesAsked & wanted) == wanted && dialogsBeforeFirstCall == 0 && dialogsCancelled == 2 &&
         results[0] == 1 && results[1] == 1;
    return ok ? 0 : 1;
}
