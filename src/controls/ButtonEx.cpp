// Swatch drawing: the face colour inside a one-pixel margin, and the focus rectangle when the
// button has the keyboard focus (no text, frame or pressed look); the arrow keys go to the owner.
#include "controls/ButtonEx.h"

#include "platform/handles.h"

namespace {
constexpr int kFocusInset = 3;

bool IsArrow(WPARAM vk) { return vk == VK_LEFT || vk == VK_RIGHT || vk == VK_UP || vk == VK_DOWN; }
}  // namespace

bool CButtonEx::OnReflectedDrawItem(DRAWITEMSTRUCT& item) {
    DrawItem(item);
    return true;
}

LRESULT CButtonEx::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_GETDLGCODE: {
        // The arrows are the button's when its owner moves the focus with them; the dialog
        // manager would otherwise walk the tab order.
        const LRESULT code = DefaultProc(message, wParam, lParam);
        return m_onArrowKey ? code | DLGC_WANTARROWS : code;
    }
    case WM_KEYDOWN:
        if (m_onArrowKey && IsArrow(wParam)) {
            m_onArrowKey(static_cast<UINT>(wParam));
            return 0;
        }
        return DefaultProc(message, wParam, lParam);
    default: return DefaultProc(message, wParam, lParam);
    }
}

void CButtonEx::DrawItem(const DRAWITEMSTRUCT& item) const {
    RECT face = item.rcItem;
    InflateRect(&face, -1, -1);
    platform::FillSolidRect(item.hDC, face, m_color);
    // Inverted dots: seen on every colour of the palette.
    if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
        RECT focus = item.rcItem;
        InflateRect(&focus, -kFocusInset, -kFocusInset);
        DrawFocusRect(item.hDC, &focus);
    }
}
