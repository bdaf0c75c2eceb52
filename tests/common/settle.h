// Knowing that a thread's message loop has handled what was posted to it: a marker (a message of
// its own) is posted behind the rest, and a hook on that thread records the marker's number once
// the loop takes it. A driver on another thread waits for that instead of sleeping.
#pragma once
#include <windows.h>

#include <functional>
#include <optional>

namespace korvel_test {

// Hooks the message retrieval of the calling thread, the one whose loop is to take the markers.
// Once per process: the first caller's thread is the one watched.
void WatchMarkers();

// Set when the watched thread takes a marker. Whatever else a waiter waits for may set it too (a
// driver's own hooks, the end of a call), so that a wait below looks again at once.
HANDLE SettleWake();

enum class Settled {
    Taken,      // the loop took the marker: everything posted before it has been handled
    NotPosted,  // the thread has no message queue (any more)
    GaveUp,     // the caller's condition ended the wait
    TimedOut,   // not taken within the time allowed
};

struct SettleLimits {
    DWORD ms;                      // how long the marker may take
    std::function<bool()> giveUp;  // asked at every wake-up; true ends the wait (empty: never)
    DWORD recheckMs = INFINITE;    // wake up at least this often, for a giveUp no event tells of
};

// Posts a marker to `thread` and waits until its loop has taken it. Posted to the thread, not to a
// window: it is still taken when the window closes meanwhile (by the loop under it, if any).
Settled Settle(DWORD thread, const SettleLimits& limits);

// Takes the markers no loop took out of the calling thread's queue, so that none reaches the next
// loop. A filter does not keep PeekMessage from taking WM_QUIT: one taken here is returned (its
// exit code), for the caller to put back or to report.
std::optional<WPARAM> DropMarkers();

}  // namespace korvel_test
