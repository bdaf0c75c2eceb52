// Times how long a dialog takes from the export's call until it shows, for lists from a handful
// of cases up to the largest the library takes, and prints each against the small list. The
// numbered list is capped so that even the largest opens in about a second.
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
    const DWORD baseline = std::max<DWORD>(Median(cases[0], 5), 1);
    std::printf("%-42s %10s %8s\n", "list", "open (ms)", "ratio");
    for (const Case& c : cases) {
        const DWORD ms = Median(c, 3);
        std::printf("%-42s %10lu %8.1f\n", c.label, static_cast<unsigned long>(ms), double(ms) / baseline);
    }
    return 0;
}
