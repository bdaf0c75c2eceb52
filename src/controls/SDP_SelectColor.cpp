// The picker: swatches bound to controls 1028 to 1043 and named after their colours, the preview
// painted by the dialog under the frame of control 1044, the arrow keys moving the focus between
// the swatches.
#include "controls/SDP_SelectColor.h"

#include <string>

#include "core/color_names.h"
#include "core/grid_keys.h"
#include "platform/data_exchange.h"
#include "platform/handles.h"
#include "res/resource.h"

namespace {
constexpr int kSwatchColumns = 8;  // the template's two rows of eight
}  // namespace

CSDP_SelectColor::CSDP_SelectColor() noexcept : CDialog(IDD_SDP_SELECTCOLOR) {}

COLORREF CSDP_SelectColor::GetColor() const noexcept {
    return HasSelection() ? core::BaseColor(m_nSelect) : CLR_INVALID;
}

void CSDP_SelectColor::DoDataExchange(platform::CDataExchange* pDX) {
    for (int i = 0; i < core::kColorCount; ++i)
        platform::DDX_Control(pDX, IDC_SWATCH_FIRST + i, m_btnColor[static_cast<std::size_t>(i)]);
}

BOOL CSDP_SelectColor::OnInitDialog() {
    CDialog::OnInitDialog();
    for (int i = 0; i < core::kColorCount; ++i) {
        CButtonEx& swatch = m_btnColor[static_cast<std::size_t>(i)];
        swatch.SetColor(core::BaseColor(i));
        swatch.m_onArrowKey = [this, i](UINT vk) { FocusNeighbour(i, vk); };
        // Never drawn: it is what a screen reader says for the swatch.
        swatch.SetWindowText(std::wstring(core::ColorName(i)));
    }
    GetWindowRect(GetDlgItem(IDC_COLOR_PREVIEW), &m_rcPreview);
    MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&m_rcPreview), 2);
    return TRUE;  // the platform focuses the first tab stop, OK
}

void CSDP_SelectColor::FocusNeighbour(int swatch, UINT vk) {
    // The swatches lie in rows of eight: Left and Right move within a row, Up and Down between
    // rows, and the focus stops at the edges.
    core::GridKey key = core::GridKey::Left;
    if (vk == VK_RIGHT) key = core::GridKey::Right;
    else if (vk == VK_UP) key = core::GridKey::Up;
    else if (vk == VK_DOWN) key = core::GridKey::Down;
    const int next = core::GridKeyChoice(key, swatch, kSwatchColumns, core::kColorCount, 1);
    ::SendMessageW(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(IDC_SWATCH_FIRST + next)), TRUE);
}

bool CSDP_SelectColor::OnCommand(int id, int /*code*/, HWND /*control*/) {
    // Any command repaints the preview; a swatch's also selects its colour.
    const int swatch = id - IDC_SWATCH_FIRST;
    if (core::IsColorNumber(swatch)) m_nSelect = swatch;
    InvalidateRect(m_hWnd, &m_rcPreview, TRUE);
    return false;  // OK and Cancel close the dialog as usual
}

INT_PTR CSDP_SelectColor::OnMessage(UINT message, WPARAM /*wParam*/, LPARAM /*lParam*/) {
    if (message != WM_PAINT) return FALSE;
    PaintPreview();
    return TRUE;
}

void CSDP_SelectColor::PaintPreview() {
    platform::PaintDC dc(m_hWnd);
    // No colour selected: the preview shows only its frame.
    if (HasSelection()) platform::FillSolidRect(dc.get(), m_rcPreview, GetColor());
}
