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
    long windows = -1;
    long userObjects = 0;  // menus, icons and cursors, accelerator tables
    std::vector<std::uintptr_t> handles;  // kernel handle values below kHandleProbeLimit
    long long heapBytes = -1;
};

// The window manager keeps the device contexts it hands out in a cache that grows to the most
// ever in use at once and never shrinks (a context, its region and its bitmap each). How many
// are in use at once depends on timing, so a run fills the cache before it counts.
void FillDeviceContextCache();
ResourceCounts CountResources();
// Makes one object of each kind counted and counts again: prints a FAIL line for each counter
// that could not be read or did not see its object, and returns false if there was one. A run
// whose counters see nothing would pass whatever leaked.
bool CountersSeeWhatTheyCount();
std::string Describe(const ResourceCounts& counts);
// The kinds of GDI object whose number changed, as "font +20, brush -1"; empty when none did.
std::string DescribeGdiChange(const ResourceCounts& before, const ResourceCounts& after);
// The kernel handles opened between the two counts, as "0x8c Mutant, 0x90 Key".
std::string DescribeNewHandles(const ResourceCounts& before, const ResourceCounts& after);
