// An input context is used on its own thread: work in a window's context is posted to the window
// as a message of its own, and a hook on the window's thread does it as the loop takes that.
#include "composition.h"

#include <imm.h>

#include <atomic>
#include <functional>
#include <vector>

namespace {

using Work = std::function<void(HIMC)>;
const UINT kWork = RegisterWindowMessageW(L"KorvelTestComposition");
std::atomic<const Work*> g_work{nullptr};
std::atomic<bool> g_done{false};

LRESULT CALLBACK WorkHook(int code, WPARAM removed, LPARAM lParam) {
    const auto* msg = reinterpret_cast<const MSG*>(lParam);
    const Work* work = g_work.load();
    if (code == HC_ACTION && removed == PM_REMOVE && msg->message == kWork && work) {
        if (HIMC context = ImmGetContext(msg->hwnd)) {
            (*work)(context);
            ImmReleaseContext(msg->hwnd, context);
            g_done = true;
        }
    }
    return CallNextHookEx(nullptr, code, removed, lParam);
}

// Runs `work` with the input context of `window` on the window's thread; false when it did not
// run (no such window, or no input context).
bool WithContext(DialogDriver& d, HWND window, const Work& work) {
    HHOOK hook = SetWindowsHookExW(WH_GETMESSAGE, &WorkHook, nullptr, GetWindowThreadProcessId(window, nullptr));
    if (!hook) return false;
    g_done = false;
    g_work = &work;
    PostMessageW(window, kWork, 0, 0);
    d.Sync();
    // Not taken by now, the message finds no hook: it never runs work that is gone.
    UnhookWindowsHookEx(hook);
    g_work = nullptr;
    return g_done.load();
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
