// What a call may leave behind, counted by methods that work under Wine (whose GetGuiResources
// and GetProcessHandleCount return 0): GDI objects from the GDI handle table that the process
// environment block points to, the process's windows, its other USER objects (menus, icons and
// cursors, accelerator tables) and its kernel handles by asking each possible handle value what
// it is, and the bytes in use on every heap of the process.
#pragma once
#include <windows.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Handle values are multiples of 4, the lowest free one given first; a process of this size keeps
// well below this one.
constexpr unsigned kHandleProbeLimit = 0x8000;

// -1: a count that could not be read.
struct ResourceCounts {
    long gdiObjects = -1;               // -1 when no handle table was found
    std::array<long, 256> gdiByType{};  // by the table's type byte: what kind of object grew
    std::vector<std::uintptr_t> brushes;  // the brushes' handles, to tell what a new one is
    long windows = -1;
    long userObjects = 0;  // menus, icons and cursors, accelerator tables
    std::vector<std::uintptr_t> handles;  // kernel handle values below kHandleProbeLimit
    long long heapBytes = -1;
};

// The window manager keeps the device contexts it lends (a context, its region and its bitmap
// each) in a cache of at most kDeviceContextCacheSize. A context given back stays bound to its
// window while that window lives, and another window gets a new one as long as the cache is not
// full: so the cache grows with the windows that drew while others still had theirs (a dialog's
// controls, a picker or the colour dialog over it), by an amount that depends on timing, and
// never shrinks. Filled to its size before a run counts, it grows only when every context is in
// use at once. Wine's window manager (win32u) keeps 64.
constexpr int kDeviceContextCacheSize = 64;
// Fills the cache to its size and checks that it is full (prints a FAIL line and returns false
// when windows taking a context in turn still make new ones).
bool FillDeviceContextCache();
// How many device contexts `count` new windows make when each takes one and gives it back in
// turn, never two at once.
long DeviceContextsMadeForWindowsInTurn(int count);
ResourceCounts CountResources();
// Makes one object of each kind counted and counts again: prints a FAIL line for each counter
// that could not be read or did not see its object, and returns false if there was one. A run
// whose counters see nothing would pass whatever leaked.
bool CountersSeeWhatTheyCount();
std::string Describe(const ResourceCounts& counts);
// The kinds of GDI object whose number changed, as "font +20, brush -1", and each new brush by
// its style and colour ("brush +1: solid #f0f0f0"); empty when none did.
std::string DescribeGdiChange(const ResourceCounts& before, const ResourceCounts& after);
// The kernel handles opened between the two counts, as "0x8c Mutant, 0x90 Key".
std::string DescribeNewHandles(const ResourceCounts& before, const ResourceCounts& after);
