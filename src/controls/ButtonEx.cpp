// Swatch drawing: the face colour inside a one-pixel margin, and nothing else (no text, frame,
// focus rectangle or pressed look).
#include "controls/ButtonEx.h"

#include "platform/handles.h"

bool CButtonEx::OnReflectedDrawItem(DRAWITEMSTRUCT& item) {
    DrawItem(item);
    return true;
}

void CButtonEx::DrawItem(const DRAWITEMSTRUCT& item) const {
    RECT face = item.rcItem;
    InflateRect(&face, -1, -1);
    platform::FillSolidRect(item.hDC, face, m_color);
}
