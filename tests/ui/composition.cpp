// An input context is used on its own thread: work in a window's context is done there.
#include "composition.h"

#include <imm.h>

#include <functional>
#include <vector>

#include "window_thread.h"

namespace {

using Work = std::function<void(HIMC)>;

// Runs `work` with the input context of `window` on the window's thread; false when it did not
// run (no such window, or no input context).
bool WithContext(DialogDriver& d, HWND window, const Work& work) {
    bool ran = false;
    RunOnWindowThread(d, window, [&] {
        if (HIMC context = ImmGetContext(window)) {
            work(context);
            ImmReleaseContext(window, context);
            ran = true;
        }
    });
    return ran;
}

std::wstring CompositionText(HIMC context) {
    const LONG bytes = ImmGetCompositionStringW(context, GCS_COMPSTR, nullptr, 0);
    if (bytes <= 0) return {};
    std::vector<wchar_t> text(static_cast<std::size_t>(bytes) / sizeof(wchar_t));
    ImmGetCompositionStringW(context, GCS_COMPSTR, text.data(), static_cast<DWORD>(bytes));
    return std::wstring(text.begin(), text.end());
}

// Opens a composition of `text` in the context; false when the input method took none.
bool Compose(HIMC context, const std::wstring& text) {
    ImmSetOpenStatus(context, TRUE);
    const DWORD bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    return ImmSetCompositionStringW(context, SCS_SETSTR, const_cast<wchar_t*>(text.data()), bytes, nullptr, 0) &&
           CompositionText(context) == text;
}

void Cancel(HIMC context) { ImmNotifyIME(context, NI_COMPOSITIONSTR, CPS_CANCEL, 0); }

// Runs `work` with the input context of this thread, through a window of its own.
template <typename Action>
void WithThreadContext(Action work) {
    HWND window = CreateWindowExW(0, L"EDIT", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    if (HIMC context = ImmGetContext(window)) {
        work(context);
        ImmReleaseContext(window, context);
    }
    DestroyWindow(window);
}

}  // namespace

bool CanCompose() {
    bool composed = false;
    WithThreadContext([&](HIMC context) {
        composed = Compose(context, L"1");
        Cancel(context);
    });
    return composed;
}

bool OpenComposition(DialogDriver& d, HWND window, const std::wstring& text) {
    bool opened = false;
    return WithContext(d, window, [&](HIMC context) { opened = Compose(context, text); }) && opened;
}

bool HandOverComposition(DialogDriver& d, HWND window) {
    bool composing = false;
    const bool ran = WithContext(d, window, [&](HIMC context) {
        composing = !CompositionText(context).empty();
        if (composing) ImmNotifyIME(context, NI_COMPOSITIONSTR, CPS_COMPLETE, 0);
    });
    d.Sync();  // the text reaches the box as characters
    return ran && composing;
}

std::wstring ComposingText(DialogDriver& d, HWND window) {
    std::wstring text;
    WithContext(d, window, [&](HIMC context) { text = CompositionText(context); });
    return text;
}

CompositionCleanup::~CompositionCleanup() { WithThreadContext(&Cancel); }
