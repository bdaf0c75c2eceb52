// Dialog data exchange as explicit typed calls: DDX_Control binds a template control to a member
// object, DDX_Radio moves a 0-based index to and from a radio group, DDX_Text moves a number or a
// text to and from a control, DDV_MinMaxInt checks a number typed into a box.
#pragma once
#include <windows.h>

#include <string>

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

    // The edit box the following check is about.
    void PrepareEditCtrl(int id) noexcept { m_idLastEdit = id; }
    // A check failed: warns with `prompt` in a message box titled with the module name, gives the
    // prepared edit box the focus with its text selected, and fails the exchange. The text
    // exchanges and checks after it change nothing; DDX_Control and DDX_Radio still do their part.
    void FailWithWarning(const std::wstring& prompt);

private:
    bool m_failed = false;
    int m_idLastEdit = 0;
};

// Subclasses control `id` of the dialog with `control` (once) and reflects its notifications to it.
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);

// The group runs from radio button `id` (which has WS_GROUP) to the next control with WS_GROUP;
// only radio buttons count. The value is the index of the checked one, -1 for none.
void DDX_Radio(CDataExchange* pDX, int id, int& value);

// An int as decimal text. Reading text that is no integer (the empty text included) warns
// "请键入一个整数。" and keeps the value.
void DDX_Text(CDataExchange* pDX, int id, int& value);
// A control's whole text.
void DDX_Text(CDataExchange* pDX, int id, std::wstring& value);

// When reading, a value outside minimum ... maximum (both included) warns with the range
// ("“请填入一个在%1和%2之间的整数。”") after DDX_Text of the box has taken it.
void DDV_MinMaxInt(CDataExchange* pDX, int value, int minimum, int maximum);

}  // namespace platform
