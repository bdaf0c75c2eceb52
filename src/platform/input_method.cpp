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

// What the input method offers: looked up once per use, null members where imm32 is missing.
struct Imm {
    decltype(&ImmGetContext) getContext = nullptr;
    decltype(&ImmGetCompositionStringW) composition = nullptr;
    decltype(&ImmNotifyIME) notify = nullptr;
    decltype(&ImmReleaseContext) release = nullptr;

    Imm() {
        HMODULE imm = GetModuleHandleW(L"imm32.dll");
        if (!imm) return;
        getContext = Lookup<decltype(&ImmGetContext)>(imm, "ImmGetContext");
        composition = Lookup<decltype(&ImmGetCompositionStringW)>(imm, "ImmGetCompositionStringW");
        notify = Lookup<decltype(&ImmNotifyIME)>(imm, "ImmNotifyIME");
        release = Lookup<decltype(&ImmReleaseContext)>(imm, "ImmReleaseContext");
    }
    bool Usable() const { return getContext && composition && notify && release; }
};

// Ends the composition of the window's input context with `action` (CPS_COMPLETE or
// CPS_CANCEL); returns the text that was being composed, empty when none was.
std::wstring EndComposition(HWND window, DWORD action) {
    const Imm imm;
    if (!imm.Usable()) return {};
    HIMC context = imm.getContext(window);
    if (!context) return {};  // no input method for this window
    std::wstring text;
    const LONG bytes = imm.composition(context, GCS_COMPSTR, nullptr, 0);
    if (bytes > 0) {
        text.resize(static_cast<std::size_t>(bytes) / sizeof(wchar_t));
        imm.composition(context, GCS_COMPSTR, text.data(), static_cast<DWORD>(bytes));
        imm.notify(context, NI_COMPOSITIONSTR, action, 0);
    }
    imm.release(window, context);
    return text;
}

}  // namespace

void CompleteComposition(HWND window) {
    if (GetFocus() != window || EndComposition(window, CPS_COMPLETE).empty()) return;
    // The completed text may come back as characters posted to the window (Wine's edit box takes
    // it so): they are taken in now, before anyone reads the window's text.
    MSG msg;
    while (PeekMessageW(&msg, window, WM_IME_CHAR, WM_IME_CHAR, PM_REMOVE) ||
           PeekMessageW(&msg, window, WM_CHAR, WM_CHAR, PM_REMOVE))
        DispatchMessageW(&msg);
}

std::wstring TakeComposition(HWND window) { return EndComposition(window, CPS_CANCEL); }

}  // namespace platform
