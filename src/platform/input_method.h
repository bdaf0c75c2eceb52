// The input method's composition: text typed into a window but not yet handed to it. A box read
// while one is open would lose what the user typed last.
#pragma once
#include <windows.h>

#include <string>

namespace platform {

// Completes the composition open in `window` and takes its text into the window, while the
// window has the keyboard focus: the input method hands the text to the focused window (Wine) or
// to the one its context was last activated for (Windows), and once the focus has moved on that
// may be another window, which would receive the text instead. Nothing happens where the window
// has no input method or nothing is being composed.
void CompleteComposition(HWND window);

// Takes the text still being composed in `window`'s input context away from the input method:
// the composition is cancelled, so no window receives it (the focus may have moved on), and the
// caller puts the text where it belongs. Works whether or not the window has the focus. Empty
// when nothing is being composed or the window has no input method.
std::wstring TakeComposition(HWND window);

}  // namespace platform
