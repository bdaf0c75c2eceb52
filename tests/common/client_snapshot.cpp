// Client-area snapshots for colour checks.
#include "client_snapshot.h"

ClientSnapshot::ClientSnapshot(HWND window, Source source) {
    RECT client{};
    GetClientRect(window, &client);
    if (source == Source::PrintClient) {
        m_pixels = DrawnPixels(client.right, client.bottom, [&](HDC dc) {
            SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
        });
        return;
    }
    // Pending painting first (a cross-thread send waits for the window's thread to paint).
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    HDC shown = GetDC(window);
    m_pixels = CopiedPixels(shown, client);
    ReleaseDC(window, shown);
}

ClientSnapshot::Count ClientSnapshot::CountColor(RECT rect, COLORREF color) const {
    Count count;
    for (int y = rect.top + 2; y < rect.bottom - 2; ++y) {
        for (int x = rect.left + 2; x < rect.right - 2; ++x) {
            ++count.total;
            if (Pixel(x, y) == color) ++count.matching;
        }
    }
    return count;
}

bool ClientSnapshot::MostlyColor(RECT rect, COLORREF color) const {
    const Count count = CountColor(rect, color);
    return count.total > 0 && count.matching * 2 > count.total;
}

bool ClientSnapshot::OnlyColor(RECT rect, COLORREF color) const {
    const Count count = CountColor(rect, color);
    return count.total > 0 && count.matching == count.total;
}
