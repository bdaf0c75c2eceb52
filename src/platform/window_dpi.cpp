// The DPI of a window.
#include "platform/window_dpi.h"

#include "core/dpi_scale.h"
#include "platform/handles.h"

namespace platform {
namespace {

// Looked up at run time, on every call (cheap, and no guarded static): older systems have none.
using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using GetWindowDpiAwarenessContextFn = HANDLE(WINAPI*)(HWND);
using GetAwarenessFromDpiAwarenessContextFn = int(WINAPI*)(HANDLE);
using AreDpiAwarenessContextsEqualFn = BOOL(WINAPI*)(HANDLE, HANDLE);
const auto kPerMonitorAwareV2 = reinterpret_cast<HANDLE>(static_cast<LONG_PTR>(-4));  // DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2
constexpr int kDpiUnaware = 0;  // DPI_AWARENESS_UNAWARE

template <class F>
F User32(const char* name) {
    return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

bool IsDpiAware(HWND window) {
    const auto contextOf = User32<GetWindowDpiAwarenessContextFn>("GetWindowDpiAwarenessContext");
    const auto awarenessOf = User32<GetAwarenessFromDpiAwarenessContextFn>("GetAwarenessFromDpiAwarenessContext");
    return contextOf && awarenessOf && awarenessOf(contextOf(window)) != kDpiUnaware;
}

int ScreenDpi() {
    const ClientDC screen(nullptr);
    return screen.get() ? GetDeviceCaps(screen.get(), LOGPIXELSY) : core::kDefaultDpi;
}

}  // namespace

int WindowDpi(HWND window) {
    const auto dpiForWindow = User32<GetDpiForWindowFn>("GetDpiForWindow");
    if (window && dpiForWindow && IsDpiAware(window)) {
        const UINT dpi = dpiForWindow(window);
        if (dpi > 0) return static_cast<int>(dpi);
    }
    return ScreenDpi();
}

bool DialogManagerFollowsDpi(HWND dialog) {
    const auto contextOf = User32<GetWindowDpiAwarenessContextFn>("GetWindowDpiAwarenessContext");
    const auto equal = User32<AreDpiAwarenessContextsEqualFn>("AreDpiAwarenessContextsEqual");
    return contextOf && equal && equal(contextOf(dialog), kPerMonitorAwareV2);
}

}  // namespace platform
