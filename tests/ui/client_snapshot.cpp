// Client-area snapshots for colour checks.
#include "client_snapshot.h"

ClientSnapshot::ClientSnapshot(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    HDC screen = GetDC(nullptr);
    m_dc = CreateCompatibleDC(screen);
    m_bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
    ReleaseDC(nullptr, screen);
    m_old = SelectObject(m_dc, m_bitmap);
    SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(m_dc), PRF_CLIENT | PRF_ERASEBKGND);
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
