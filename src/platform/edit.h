// CEdit: an edit control the library creates itself (not from a template), subclassed from the
// moment it exists, so the object handles its messages.
#pragma once
#include <windows.h>

#include "platform/wnd.h"

namespace platform {

class CEdit : public CWnd {
public:
    // Creates the window as a child of `parent` with control id `id`; false when it could not.
    bool Create(DWORD style, const RECT& rect, HWND parent, int id);
    // Selects characters start to end; 0, -1 selects the whole text.
    void SetSel(int start, int end) const { SendMessage(EM_SETSEL, static_cast<WPARAM>(start), end); }
};

}  // namespace platform
