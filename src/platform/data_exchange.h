// Dialog data exchange as explicit typed calls: DDX_Control binds a template control to a member
// object, DDX_Radio moves a 0-based index to and from a radio group.
#pragma once
#include <windows.h>

namespace platform {

class CDialog;
class CWnd;

class CDataExchange {
public:
    CDataExchange(CDialog* dialog, bool saveAndValidate) noexcept
        : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate) {}

    CDialog* const m_pDlgWnd;
    const bool m_bSaveAndValidate;  // true: controls -> members

    bool Failed() const noexcept { return m_failed; }
    void Fail() noexcept { m_failed = true; }

private:
    bool m_failed = false;
};

// Subclasses control `id` of the dialog with `control` (once) and reflects its notifications to it.
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);

// The group runs from radio button `id` (which has WS_GROUP) to the next control with WS_GROUP;
// only radio buttons count. The value is the index of the checked one, -1 for none.
void DDX_Radio(CDataExchange* pDX, int id, int& value);

}  // namespace platform
