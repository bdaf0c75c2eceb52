// Data exchange between dialog controls and members.
#include "platform/data_exchange.h"

#include "core/exchange_text.h"
#include "platform/dialog.h"
#include "platform/input_method.h"
#include "platform/module.h"

namespace platform {

namespace {
// A string of the library's string table; empty when there is none.
std::wstring LoadResourceString(UINT id) {
    const wchar_t* text = nullptr;
    // A zero buffer size returns a read-only pointer into the resource (LoadStringW remarks).
    const int length = LoadStringW(AfxGetResourceHandle(), id, reinterpret_cast<LPWSTR>(&text), 0);
    return length > 0 && text ? std::wstring(text, static_cast<std::size_t>(length)) : std::wstring();
}

// Changes a control's text only when it differs: no flicker, and the selection a failed check
// made in a box stays when the box is given back its own text.
void SetTextIfChanged(HWND control, const std::wstring& text) {
    if (WindowText(control) != text) SetWindowTextW(control, text.c_str());
}

// The control a text exchange works on; null once the exchange has failed, or when the template
// has no such control (which fails it).
HWND TextControl(CDataExchange* pDX, int id) {
    if (pDX->Failed()) return nullptr;
    HWND control = pDX->m_pDlgWnd->GetDlgItem(id);
    if (!control) pDX->Fail();
    return control;
}
// The module object names the warnings' strings: they live in its resources.
ExchangePrompts Prompts() {
    const CWinApp* app = AfxGetApp();
    return app ? app->m_exchangePrompts : ExchangePrompts{};
}
}  // namespace

void CDataExchange::FailWithWarning(const std::wstring& prompt) {
    const CWinApp* app = AfxGetApp();
    const std::wstring title = app ? app->m_strAppName : std::wstring();
    MessageBoxW(m_pDlgWnd->m_hWnd, prompt.c_str(), title.c_str(), MB_OK | MB_ICONEXCLAMATION);
    if (HWND edit = m_pDlgWnd->GetDlgItem(m_idLastEdit)) {
        SetFocus(edit);
        SendMessageW(edit, EM_SETSEL, 0, -1);
    }
    Fail();
}

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

void DDX_Text(CDataExchange* pDX, int id, int& value) {
    HWND control = TextControl(pDX, id);
    if (!control) return;
    if (!pDX->m_bSaveAndValidate) {
        SetTextIfChanged(control, std::to_wstring(value));
        return;
    }
    pDX->PrepareEditCtrl(id);
    CompleteComposition(control);  // the number still being composed is part of it
    if (!core::ParseInteger(WindowText(control), value)) pDX->FailWithWarning(LoadResourceString(Prompts().parseInt));
}

void DDX_Text(CDataExchange* pDX, int id, std::wstring& value) {
    HWND control = TextControl(pDX, id);
    if (!control) return;
    if (pDX->m_bSaveAndValidate) value = WindowText(control);
    else SetTextIfChanged(control, value);
}

void DDV_MinMaxInt(CDataExchange* pDX, int value, int minimum, int maximum) {
    if (pDX->Failed() || !pDX->m_bSaveAndValidate || (value >= minimum && value <= maximum)) return;
    const std::wstring prompt = LoadResourceString(Prompts().parseIntRange);
    pDX->FailWithWarning(core::FormatPrompt(prompt, {std::to_wstring(minimum), std::to_wstring(maximum)}));
}

}  // namespace platform
