// The colour chooser over comdlg32.
#include "platform/color_dialog.h"

#include "platform/call_failure.h"

namespace platform {

CColorDialog::CColorDialog(COLORREF initial, DWORD flags) noexcept {
    m_cc.lStructSize = sizeof m_cc;
    m_cc.rgbResult = initial;
    m_cc.Flags = flags;
}

INT_PTR CColorDialog::DoModal(HWND owner) {
    if (!m_cc.lpCustColors) {
        WriteSurvivedFailure(core::MakeFailure(core::FailureKind::ChooserFailed, "no custom colours"));
        return IDCANCEL;
    }
    m_cc.hwndOwner = owner;
    const BOOL chosen = ChooseColorW(&m_cc);
    if (chosen > 0) return IDOK;
    // Wine answers a chooser whose window could not be made with -1 and no error code.
    if (chosen < 0) {
        WriteSurvivedFailure(core::MakeFailure(core::FailureKind::ChooserFailed, "its window could not be created"));
        return IDCANCEL;
    }
    // 0 when the user cancelled; otherwise the chooser could not be shown.
    const DWORD error = CommDlgExtendedError();
    if (error) WriteSurvivedFailure(core::MakeFailure(core::FailureKind::ChooserFailed, nullptr, 0, error));
    return IDCANCEL;
}

}  // namespace platform
