// Creation of the library's own edit controls.
#include "platform/edit.h"

#include "platform/module.h"

namespace platform {

bool CEdit::Create(DWORD style, const RECT& rect, HWND parent, int id) {
    HWND edit = CreateWindowExW(0, L"EDIT", L"", style, rect.left, rect.top, rect.right - rect.left,
                                rect.bottom - rect.top, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                AfxGetResourceHandle(), nullptr);
    if (!edit) return false;
    if (SubclassWindow(edit)) return true;
    DestroyWindow(edit);
    return false;
}

}  // namespace platform
