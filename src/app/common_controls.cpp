// Registers the common-control classes of the dialogs' templates (InitCommonControlsEx).
#include "app/common_controls.h"

#include <windows.h>
#include <commctrl.h>

void RegisterCommonControls() noexcept {
    // A function-local static is initialised exactly once, even if two threads race to it.
    static const BOOL registered = [] {
        INITCOMMONCONTROLSEX classes{sizeof classes, ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES};
        return InitCommonControlsEx(&classes);
    }();
    static_cast<void>(registered);
}
