// The colour chooser over comdlg32.
#include "platform/color_dialog.h"

namespace platform {

CColorDialog::CColorDialog(COLORREF initial, DWORD flags) noexcept {
    m_cc.lStructSize = sizeof m_cc;
    m_cc.rgbResult = initial;
    m_cc.Flags = flags;
}

INT_PTR CColorDialog::DoModal(HWND owner) {
    if (!m_cc.lpCustColors) return IDCANCEL;
    m_cc.hwndOwner = owner;
    return ChooseColorW(&m_cc) ? IDOK : IDCANCEL;
}

}  // namespace platform
