// Owning handles for GDI and USER objects, and guards that undo what they changed on one DC.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <utility>

namespace platform {

// One owner per handle: moves, never copies, closes in its destructor.
template <class H, class Closer>
class Unique {
public:
    Unique() = default;
    explicit Unique(H h) noexcept : m_h(h) {}
    Unique(Unique&& other) noexcept : m_h(other.release()) {}
    Unique& operator=(Unique&& other) noexcept {
        reset(other.release());
        return *this;
    }
    Unique(const Unique&) = delete;
    Unique& operator=(const Unique&) = delete;
    ~Unique() { reset(); }

    void reset(H h = H{}) noexcept {
        if (m_h) Closer{}(m_h);
        m_h = h;
    }
    H get() const noexcept { return m_h; }
    H release() noexcept { return std::exchange(m_h, H{}); }
    explicit operator bool() const noexcept { return m_h != H{}; }

private:
    H m_h{};
};

struct GdiObjectCloser {
    void operator()(HGDIOBJ h) const noexcept { DeleteObject(h); }
};
struct ImageListCloser {
    void operator()(HIMAGELIST h) const noexcept { ImageList_Destroy(h); }
};
struct MemoryDcCloser {
    void operator()(HDC h) const noexcept { DeleteDC(h); }
};
struct HookCloser {
    void operator()(HHOOK h) const noexcept { UnhookWindowsHookEx(h); }
};
struct WindowCloser {
    void operator()(HWND h) const noexcept { DestroyWindow(h); }
};
// Kernel handles that report failure with INVALID_HANDLE_VALUE are stored as null instead.
struct KernelCloser {
    void operator()(HANDLE h) const noexcept { CloseHandle(h); }
};

using UniqueFont = Unique<HFONT, GdiObjectCloser>;
using UniqueBitmap = Unique<HBITMAP, GdiObjectCloser>;
using UniqueImageList = Unique<HIMAGELIST, ImageListCloser>;
using UniqueMemoryDc = Unique<HDC, MemoryDcCloser>;
using UniqueHook = Unique<HHOOK, HookCloser>;
using UniqueWindow = Unique<HWND, WindowCloser>;
using UniqueKernelHandle = Unique<HANDLE, KernelCloser>;

// A window's client-area DC (the screen's for a null window) for the length of one operation.
class ClientDC {
public:
    explicit ClientDC(HWND hwnd) noexcept : m_hwnd(hwnd), m_dc(GetDC(hwnd)) {}
    ~ClientDC() {
        if (m_dc) ReleaseDC(m_hwnd, m_dc);
    }
    ClientDC(const ClientDC&) = delete;
    ClientDC& operator=(const ClientDC&) = delete;
    HDC get() const noexcept { return m_dc; }

private:
    HWND m_hwnd;
    HDC m_dc;
};

// The DC of one WM_PAINT: BeginPaint on construction, EndPaint on destruction.
class PaintDC {
public:
    explicit PaintDC(HWND hwnd) noexcept : m_hwnd(hwnd), m_dc(BeginPaint(hwnd, &m_paint)) {}
    ~PaintDC() { EndPaint(m_hwnd, &m_paint); }
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;
    HDC get() const noexcept { return m_dc; }

private:
    HWND m_hwnd;
    PAINTSTRUCT m_paint{};
    HDC m_dc;
};

// Selects an object into a DC and puts the previous one back. Declare the object before the
// guard, so it is deselected before it is deleted.
class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ object) noexcept : m_dc(dc), m_old(SelectObject(dc, object)) {}
    ~SelectGuard() { SelectObject(m_dc, m_old); }
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_old;
};

// Sets a DC's text and background colours and restores the previous ones.
class TextColorsGuard {
public:
    TextColorsGuard(HDC dc, COLORREF text, COLORREF background) noexcept
        : m_dc(dc), m_oldText(SetTextColor(dc, text)), m_oldBk(SetBkColor(dc, background)) {}
    ~TextColorsGuard() {
        SetTextColor(m_dc, m_oldText);
        SetBkColor(m_dc, m_oldBk);
    }
    TextColorsGuard(const TextColorsGuard&) = delete;
    TextColorsGuard& operator=(const TextColorsGuard&) = delete;

private:
    HDC m_dc;
    COLORREF m_oldText;
    COLORREF m_oldBk;
};

// Fills a rectangle with a solid colour through a brush that lives only for the fill.
inline void FillSolidRect(HDC dc, const RECT& rect, COLORREF color) {
    const Unique<HBRUSH, GdiObjectCloser> brush(CreateSolidBrush(color));
    FillRect(dc, &rect, brush.get());
}

}  // namespace platform
