// CSDP_SelectColor: the picker of the sixteen base colours (template 1023). A swatch click, or
// Space on the focused swatch, selects its colour and shows it in the preview; the arrow keys move
// the focus between swatches; OK (or Enter) hands the colour back.
#pragma once
#include <windows.h>

#include <array>

#include "controls/ButtonEx.h"
#include "core/palette.h"
#include "platform/dialog.h"

class CSDP_SelectColor : public platform::CDialog {
public:
    CSDP_SelectColor() noexcept;

    // The colour number selected when the picker opens; -1 (or any number outside 0 to 15)
    // selects none.
    void SetSelection(int nSelect) noexcept { m_nSelect = nSelect; }
    bool HasSelection() const noexcept { return core::IsColorNumber(m_nSelect); }
    // The base colour of the selected number, after DoModal returned IDOK; CLR_INVALID when no
    // colour is selected.
    COLORREF GetColor() const noexcept;

    int m_nSelect = -1;

protected:
    void DoDataExchange(platform::CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void PaintPreview();
    void FocusNeighbour(int swatch, UINT vk);

    RECT m_rcPreview{};  // the preview control's rectangle, frame included, in client coordinates
    std::array<CButtonEx, core::kColorCount> m_btnColor;  // entry i shows colour number i
};
