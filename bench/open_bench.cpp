// Times how long a dialog takes from the export's call until it shows, for lists from a handful
// of cases up to the largest the library takes, and prints each against the small list. The
// numbered list is capped so that even the largest opens in about a second. Then opens one
// dialog hundreds of times and prints how much memory each call leaves behind.
#include <windows.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <string>
#include <vector>

#include "korvel.h"

namespace {

DWORD g_start = 0;
DWORD g_shownAfter = 0;

// Runs inside the dialog's modal loop: the first tick after the dialog shows closes it.
void CALLBACK CloseWhenShown(HWND, UINT, UINT_PTR, DWORD) {
    HWND dialog = FindWindowW(L"#32770", nullptr);
    if (!dialog || !IsWindowVisible(dialog) || g_shownAfter) return;
    g_shownAfter = GetTickCount() - g_start;
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}

struct Case {
    const char* label;
    int count;
    int columns;
    std::string names;
};

DWORD TimeOpen(const Case& c) {
    int result = 0, count = c.count, columns = c.columns, choice = 1;
    g_shownAfter = 0;
    const UINT_PTR timer = SetTimer(nullptr, 0, 5, &CloseWhenShown);
    g_start = GetTickCount();
    FXJG_SHOWZHNL_DLG(&result, &count, &columns, &choice, c.names.c_str(), "bench");
    KillTimer(nullptr, timer);
    return g_shownAfter;
}

DWORD Median(const Case& c, int runs) {
    std::vector<DWORD> times;
    for (int i = 0; i < runs; ++i) times.push_back(TimeOpen(c));
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// Bytes in use in every heap of the process: what a leak per call would grow.
SIZE_T HeapBytesInUse() {
    std::vector<HANDLE> heaps(GetProcessHeaps(0, nullptr) + 16);
    heaps.resize(GetProcessHeaps(static_cast<DWORD>(heaps.size()), heaps.data()));
    SIZE_T used = 0;
    for (HANDLE heap : heaps) {
        if (!HeapLock(heap)) continue;
        PROCESS_HEAP_ENTRY entry{};
        while (HeapWalk(heap, &entry))
            if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) used += entry.cbData;
        HeapUnlock(heap);
    }
    return used;
}

// Opens and closes a dialog many times: memory must not grow with the number of calls.
void Soak(const Case& c, int calls) {
    for (int i = 0; i < 20; ++i) TimeOpen(c);  // warm up the platform's caches
    const SIZE_T before = HeapBytesInUse();
    for (int i = 0; i < calls; ++i) TimeOpen(c);
    const SIZE_T after = HeapBytesInUse();
    const double perCall = (double(after) - double(before)) / calls;
    std::printf("soak: %d calls of \"%s\": heap bytes in use %+.0f per call (%lu KB before, %lu KB after)\n", calls,
                c.label, perCall, static_cast<unsigned long>(before / 1024), static_cast<unsigned long>(after / 1024));
}

}  // namespace

int main() {
    std::string manyNames = "H";
    for (int i = 1; i < 10000; ++i) manyNames += "|N" + std::to_string(i);
    const std::vector<Case> cases{
        {"3 names (baseline)", 4, 1, "H|a|b|c"},
        {"500 numbered, list", 501, 1, "M"},
        {"5000 numbered (the cap), list", INT_MAX, 1, "M"},
        {"5000 numbered (the cap), 6-column grid", INT_MAX, 6, "M"},
        {"9999 names, list", 10000, 1, manyNames},
    };
    const DWORD baseline = std::max<DWORD>(Median(cases[0], 3), 1);
    std::printf("%-42s %10s %8s\n", "list", "open (ms)", "ratio");
    for (const Case& c : cases) {
        const DWORD ms = Median(c, 3);
        std::printf("%-42s %10lu %8.1f\n", c.label, static_cast<unsigned long>(ms), double(ms) / baseline);
    }
    Soak(cases[1], 300);
    return 0;
}
