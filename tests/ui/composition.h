// An input method's composition in a window of the dialogs' thread, as a user leaves it while
// still composing. The input context belongs to that thread, so the work is done there.
#pragma once
#include <windows.h>

#include <string>

#include "dialog_driver.h"

// Whether an input method composes text on this thread at all (Wine's always does; a Windows
// without one does not): the tests of compositions have nothing to open without one.
bool CanCompose();
// Opens a composition of `text` in `window`, not yet handed to the window; false when the
// window has no input context or the input method took no composition.
bool OpenComposition(DialogDriver& d, HWND window, const std::wstring& text);
// What an input method does with Enter while it composes: it takes the key for itself and hands
// the text to `window`. False when nothing was being composed there.
bool HandOverComposition(DialogDriver& d, HWND window);
// The text being composed in the input context of `window`: empty when none is open, or when
// the window no longer exists.
std::wstring ComposingText(DialogDriver& d, HWND window);

// Cancels, when it goes, whatever the input context of this thread (the test's own, which runs
// the dialogs) still composes: Wine keeps a composition that the focus left behind, and it would
// reach the dialogs of later tests.
class CompositionCleanup {
public:
    CompositionCleanup() = default;
    CompositionCleanup(const CompositionCleanup&) = delete;
    CompositionCleanup& operator=(const CompositionCleanup&) = delete;
    ~CompositionCleanup();
};
