// Scaling from the layout of the first DPI: rectangles and font heights by MulDiv.
#include "platform/dialog_layout.h"

namespace platform {

void DialogLayout::Keep(HWND dialog, int dpi) {
    m_baseDpi = dpi;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT rect{};
        GetWindowRect(child, &rect);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
        m_controls.emplace_back(child, rect);
    }
    RECT client{};
    GetClientRect(dialog, &client);
    m_client = SIZE{client.right, client.bottom};
    m_baseFont = reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0));
    if (!m_baseFont || !GetObjectW(m_baseFont, sizeof m_logFont, &m_logFont)) m_baseFont = nullptr;
}

HFONT DialogLayout::FontFor(int dpi) {
    if (!m_baseFont || dpi == m_baseDpi) return m_baseFont;
    LOGFONTW logFont = m_logFont;
    logFont.lfHeight = MulDiv(m_logFont.lfHeight, dpi, m_baseDpi);
    logFont.lfWidth = MulDiv(m_logFont.lfWidth, dpi, m_baseDpi);
    return CreateFontIndirectW(&logFont);
}

void DialogLayout::ScaleTo(HWND dialog, int fromDpi, int toDpi, const RECT& suggested) {
    if (fromDpi <= 0 || toDpi <= 0) return;
    if (m_baseDpi == 0) Keep(dialog, fromDpi);
    const auto scale = [&](LONG value) { return static_cast<LONG>(MulDiv(value, toDpi, m_baseDpi)); };

    // The controls get the new font before their new places: a list lays its rows out for it.
    HFONT font = FontFor(toDpi);
    for (const auto& [control, rect] : m_controls)
        if (IsWindow(control) && font) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    // The font of the DPI before is let go once no control holds it.
    m_scaledFont.reset(font != m_baseFont ? font : nullptr);

    for (const auto& [control, rect] : m_controls)
        if (IsWindow(control))
            SetWindowPos(control, nullptr, scale(rect.left), scale(rect.top), scale(rect.right - rect.left),
                         scale(rect.bottom - rect.top), SWP_NOZORDER | SWP_NOACTIVATE);

    RECT window{0, 0, scale(m_client.cx), scale(m_client.cy)};
    AdjustWindowRectEx(&window, static_cast<DWORD>(GetWindowLongPtrW(dialog, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(dialog, GWL_EXSTYLE)));
    SetWindowPos(dialog, nullptr, suggested.left, suggested.top, window.right - window.left,
                 window.bottom - window.top, SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(dialog, nullptr, TRUE);
}

}  // namespace platform
