// Client-area snapshots for colour checks.
#include "client_snapshot.h"

ClientSnapshot::ClientSnapshot(HWND window, Source source) {
    RECT client{};
    GetClientRect(window, &client);
    HDC screen = GetDC(nullptr);
    m_dc = CreateCompatibleDC(screen);
    m_bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
    ReleaseDC(nullptr, screen);
    m_old = SelectObject(m_dc, m_bitmap);
    if (source == Source::PrintClient) {
        SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(m_dc), PRF_CLIENT | PRF_ERASEBKGND);
        return;
    }
    // Pending painting first (a cross-thread send waits for the window's thread to paint).
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    HDC shown = GetDC(window);
    BitBlt(m_dc, 0, 0, client.right, client.bottom, shown, 0, 0, SRCCOPY);
    ReleaseDC(window, shown);
}

ClientSnapshot::~ClientSnapshot() {
    SelectObject(m_dc, m_old);
    DeleteObject(m_bitmap);
    DeleteDC(m_dc);
}

bool ClientSnapshot::MostlyColor(RECT rect, COLORREF color) const {
    int matching = 0;
    int total = 0;
    for (int y = rect.top + 2; y < rect.bottom - 2; ++y) {
        for (int x = rect.left + 2; x < rect.right - 2; ++x) {
            ++total;
            if (Pixel(x, y) == color) ++matching;
        }
    }
    return total > 0 && matching * 2 > total;
}
