// What a user (or a hostile host) does to an open dialog from a second thread: random presses,
// keys and typing, then a way out. The export runs on the calling thread inside its modal loop.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "host_text.h"

enum class WayOut { OkButton, CancelButton, Escape, Enter, CloseBox, Quit, Count };
const char* Name(WayOut way);

struct Interaction {
    bool appeared = false;    // a dialog showed
    bool openAtWayOut = false;  // it was still open, with nothing opened from it, when the way out was taken
    bool forced = false;      // it had to be cancelled (with what it opened) after the way out
    bool hung = false;        // still open after everything
    bool quitPending = false;  // a WM_QUIT was in the calling thread's queue after the call (taken out)
    WayOut way = WayOut::OkButton;
};

// Calls `call` on this thread and, on another, makes `actions` random inputs to its dialog
// (and to what it opens) before taking `way`. `rng` drives the inputs.
Interaction Interact(const std::function<void()>& call, Rng rng, int actions, WayOut way);

// The soak's interaction: a press in the middle of each list or tree (and the cancel of whatever
// that opened), then OK.
Interaction PressAndOk(const std::function<void()>& call);
