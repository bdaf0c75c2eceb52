// Data exchange between dialog controls and members.
#include "platform/data_exchange.h"

#include "platform/dialog.h"

namespace platform {

void DDX_Control(CDataExchange* pDX, int id, CWnd& control) {
    if (control.m_hWnd) return;  // bound by an earlier exchange
    if (control.SubclassDlgItem(id, pDX->m_pDlgWnd->m_hWnd)) {
        pDX->m_pDlgWnd->ReflectTo(control);
    } else {
        pDX->Fail();
    }
}

namespace {
bool IsRadioButton(HWND control) {
    return (SendMessageW(control, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) != 0;
}
}  // namespace

void DDX_Radio(CDataExchange* pDX, int id, int& value) {
    HWND control = pDX->m_pDlgWnd->GetDlgItem(id);
    if (!control) {
        pDX->Fail();
        return;
    }
    if (pDX->m_bSaveAndValidate) value = -1;
    int index = 0;
    do {
        if (IsRadioButton(control)) {
            if (pDX->m_bSaveAndValidate) {
                if (SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED) value = index;
            } else {
                SendMessageW(control, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
            }
            ++index;
        }
        control = GetWindow(control, GW_HWNDNEXT);
    } while (control && !(GetWindowLongPtrW(control, GWL_STYLE) & WS_GROUP));
}

}  // namespace platform
