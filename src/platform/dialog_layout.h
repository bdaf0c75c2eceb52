// A dialog laid out again for another DPI by the library itself, where the dialog manager does not
// do it (a per-monitor-v1 dialog gets WM_DPICHANGED alone): every control's rectangle and the
// client area scaled, and the dialog's font at that DPI given to every control.
#pragma once
#include <windows.h>

#include <utility>
#include <vector>

#include "platform/handles.h"

namespace platform {

class DialogLayout {
public:
    // Lays `dialog` out for `toDpi`, moved to `suggested`'s corner. The first call keeps the
    // layout the dialog had at `fromDpi`; every later one scales from that, so that a change
    // there and back gives the same pixels.
    void ScaleTo(HWND dialog, int fromDpi, int toDpi, const RECT& suggested);

private:
    void Keep(HWND dialog, int dpi);
    HFONT FontFor(int dpi);

    int m_baseDpi = 0;  // 0 until the first change
    std::vector<std::pair<HWND, RECT>> m_controls;  // in the dialog's client coordinates
    SIZE m_client{};
    HFONT m_baseFont = nullptr;  // the dialog manager's, made for m_baseDpi
    LOGFONTW m_logFont{};
    UniqueFont m_scaledFont;  // the font at the DPI of now, when that is not m_baseDpi
};

}  // namespace platform
