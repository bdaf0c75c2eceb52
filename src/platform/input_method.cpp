// imm32 is looked up where the process has it rather than imported: the library's imports stay
// those of every dialog, and a process that never loaded it has no composition to complete.
#include "platform/input_method.h"

#include <imm.h>

namespace platform {
namespace {

template <typename Function>
Function Lookup(HMODULE module, const char* name) {
    // Through the generic function pointer, which converts to any function type.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

// Completes the composition of the window's input context; false when none was open.
bool Complete(HWND window) {
    HMODULE imm = GetModuleHandleW(L"imm32.dll");
    if (!imm) return false;
    const auto getContext = Lookup<decltype(&ImmGetContext)>(imm, "ImmGetContext");
    const auto composition = Lookup<decltype(&ImmGetCompositionStringW)>(imm, "ImmGetCompositionStringW");
    const auto notify = Lookup<decltype(&ImmNotifyIME)>(imm, "ImmNotifyIME");
    const auto release = Lookup<decltype(&ImmReleaseContext)>(imm, "ImmReleaseContext");
    if (!getContext || !composition || !notify || !release) return false;
    HIMC context = getContext(window);
    if (!context) return false;  // no input method for this window
    const bool composing = composition(context, GCS_COMPSTR, nullptr, 0) > 0;
    if (composing) notify(context, NI_COMPOSITIONSTR, CPS_COMPLETE, 0);
    release(window, context);
    return composing;
}

}  // namespace

void CompleteComposition(HWND window) {
    if (GetFocus() != window || !Complete(window)) return;
    // The completed text may come back as characters posted to the window (Wine's edit box takes
    // it so): they are taken in now, before anyone reads the window's text.
    MSG msg;
    while (PeekMessageW(&msg, window, WM_IME_CHAR, WM_IME_CHAR, PM_REMOVE) ||
           PeekMessageW(&msg, window, WM_CHAR, WM_CHAR, PM_REMOVE))
        DispatchMessageW(&msg);
}

}  // namespace platform
