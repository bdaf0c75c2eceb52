// Registers the common-control classes of the dialogs' templates (InitCommonControlsEx).
#include "app/common_controls.h"

#include <windows.h>
#include <commctrl.h>

namespace {

BOOL CALLBACK Register(PINIT_ONCE, PVOID, PVOID*) {
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES};
    return InitCommonControlsEx(&classes);
}

}  // namespace

void RegisterCommonControls() noexcept {
    // The system's one-time initialisation, not a function-local static: the C++ runtime guards
    // such a static with a record of the calling thread (the host's) that unloading the library
    // does not free, about 700 bytes and two handles per load.
    static INIT_ONCE once = INIT_ONCE_STATIC_INIT;
    InitOnceExecuteOnce(&once, &Register, nullptr, nullptr);
}
