// Owning handles of the demo host: one owner per GDI, USER or kernel handle, closed in the
// destructor, and a guard that puts back the object it replaced in a DC.
#pragma once
#include <windows.h>

#include <utility>

namespace demo {

template <class H, class Closer>
class Unique {
public:
    Unique() = default;
    explicit Unique(H h) noexcept : m_h(h) {}
    Unique(Unique&& other) noexcept : m_h(other.Release()) {}
    Unique& operator=(Unique&& other) noexcept {
        Reset(other.Release());
        return *this;
    }
    Unique(const Unique&) = delete;
    Unique& operator=(const Unique&) = delete;
    ~Unique() { Reset(); }

    void Reset(H h = H{}) noexcept {
        if (m_h != H{}) Closer{}(m_h);
        m_h = h;
    }
    H Get() const noexcept { return m_h; }
    H Release() noexcept { return std::exchange(m_h, H{}); }
    explicit operator bool() const noexcept { return m_h != H{}; }

private:
    H m_h{};
};

struct GdiObjectCloser {
    void operator()(HGDIOBJ h) const noexcept { DeleteObject(h); }
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
using UniqueMemoryDc = Unique<HDC, MemoryDcCloser>;
using UniqueHook = Unique<HHOOK, HookCloser>;
using UniqueWindow = Unique<HWND, WindowCloser>;
using UniqueKernelHandle = Unique<HANDLE, KernelCloser>;

// A window's DC (the whole screen's for a null window) for the length of one operation.
class WindowDc {
public:
    explicit WindowDc(HWND hwnd) noexcept : m_hwnd(hwnd), m_dc(GetDC(hwnd)) {}
    ~WindowDc() {
        if (m_dc) ReleaseDC(m_hwnd, m_dc);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC Get() const noexcept { return m_dc; }

private:
    HWND m_hwnd;
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

}  // namespace demo
