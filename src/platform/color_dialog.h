// CColorDialog: the platform's full colour chooser (ChooseColor), run modally over an owner.
#pragma once
#include <windows.h>
#include <commdlg.h>

namespace platform {

class CColorDialog {
public:
    // The chooser starts from `initial` when the caller adds CC_RGBINIT to m_cc.Flags.
    explicit CColorDialog(COLORREF initial = 0, DWORD flags = 0) noexcept;

    // Disables `owner` while the chooser runs. IDOK when the user chose a colour, IDCANCEL
    // otherwise, and when the caller gave no custom colours (m_cc.lpCustColors) or the chooser
    // could not be shown (both written as debug lines; the dialog it was opened from goes on).
    INT_PTR DoModal(HWND owner);
    COLORREF GetColor() const noexcept { return m_cc.rgbResult; }

    // The chooser's record. lpCustColors must point at the sixteen custom colours the chooser
    // shows; the user may change them there.
    CHOOSECOLORW m_cc{};
};

}  // namespace platform
