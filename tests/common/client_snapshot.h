// A picture of a control's client area, drawn by the control itself into a memory bitmap
// (WM_PRINTCLIENT), so colours are read without depending on what is on the screen. A window
// that paints only in WM_PAINT (a dialog) is copied from the screen instead.
#pragma once
#include <windows.h>

#include "pixels.h"

class ClientSnapshot {
public:
    enum class Source { PrintClient, Screen };
    explicit ClientSnapshot(HWND window, Source source = Source::PrintClient);

    COLORREF Pixel(int x, int y) const { return m_pixels.Pixel(x, y); }
    // True when most pixels of the rectangle's inner part (2 pixels in from each edge) are `color`.
    bool MostlyColor(RECT rect, COLORREF color) const;
    // True when every pixel of that inner part is `color`: nothing is drawn over it.
    bool OnlyColor(RECT rect, COLORREF color) const;

private:
    struct Count {
        int matching = 0;
        int total = 0;
    };
    Count CountColor(RECT rect, COLORREF color) const;

    Pixels m_pixels;
};
