// Times every export with a list or tree against the platform's floor, interleaved in one run:
// opening (call until painted and idle) and closing (Cancel until the call returns) for lists
// of 10 to 100,000 items, presses in the 10,000-row lists, and what 300 calls leave behind.
//   korvel_open_bench [--max-n N] [--runs R] [--budget-s S] [--only TEXT] [--press-only] [--soak-only]
// A case whose single opening takes longer than the budget is not run at larger sizes.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "cases.h"
#include "session.h"

namespace {

struct Options {
    int maxN = 100000;
    int runs = 5;
    double budgetMs = 20000;
    std::string only;
    bool soakOnly = false;
    bool pressOnly = false;
};

Options ParseOptions(int argc, char** argv) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : "";
        if (arg == "--max-n") o.maxN = std::atoi(value), ++i;
        else if (arg == "--runs") o.runs = std::max(1, std::atoi(value)), ++i;
        else if (arg == "--budget-s") o.budgetMs = std::atof(value) * 1000, ++i;
        else if (arg == "--only") o.only = value, ++i;
        else if (arg == "--soak-only") o.soakOnly = true;
        else if (arg == "--press-only") o.pressOnly = true;
    }
    return o;
}

double Median(std::vector<double> values) {
    if (values.empty()) return -1;
    std::sort(values.begin(), values.end());
    const std::size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

struct Result {
    double open = -1, floorOpen = -1, close = -1, floorClose = -1;
    bool sameShape = true;
    double OpenRatio() const { return open / floorOpen; }
    double CloseRatio() const { return close / floorClose; }
};

void PrintShape(const char* who, const bench::Shape& s) {
    std::printf("    %s: %d items, %d columns, rows %d px, scroll range %d\n", who, s.items, s.columns, s.rowHeight,
                s.scrollRows);
}

// Export and floor in turn, `runs` times each.
Result Measure(const bench::Prepared& p, int runs, double budgetMs) {
    std::vector<double> open, floorOpen, close, floorClose;
    Result r;
    const bench::Plan plan{p.controlId, 0};
    for (int run = 0; run < runs; ++run) {
        const bench::Timing mine = bench::TimeCall(plan, p.call);
        const bench::Timing floor = bench::TimeCall(plan, [&] { bench::RunFloor(p.floor, bench::HostWindow()); });
        open.push_back(mine.openMs);
        close.push_back(mine.closeMs);
        floorOpen.push_back(floor.openMs);
        floorClose.push_back(floor.closeMs);
        if (run == 0 && !(mine.shape == floor.shape)) {
            r.sameShape = false;
            std::printf("  SHAPE DIFFERS:\n");
            PrintShape("export", mine.shape);
            PrintShape("floor ", floor.shape);
        }
        if (mine.openMs + mine.closeMs > budgetMs) break;  // one run is all the budget allows
    }
    r.open = Median(open);
    r.floorOpen = Median(floorOpen);
    r.close = Median(close);
    r.floorClose = Median(floorClose);
    return r;
}

// Dialogs opened in turn with the floor's for the presses: a change in the machine's load then
// falls on both.
constexpr int kPressTurns = 5;

// Presses on two rows in turn, each until the dialog is idle again.
void MeasurePress(const bench::Case& c, HMODULE korvel, int n, int runs) {
    const bench::Prepared p = c.prepare(korvel, n);
    const bench::Plan plan{p.controlId, runs};
    std::vector<double> mine, floor;
    for (int turn = 0; turn < kPressTurns; ++turn) {
        const bench::Timing m = bench::TimeCall(plan, p.call);
        mine.insert(mine.end(), m.pressMs.begin(), m.pressMs.end());
        const bench::Timing f = bench::TimeCall(plan, [&] { bench::RunFloor(p.floor, bench::HostWindow()); });
        floor.insert(floor.end(), f.pressMs.begin(), f.pressMs.end());
    }
    const double press = Median(mine);
    const double floorPress = Median(floor);
    std::printf("%-40s %7d %10.2f %10.2f %7.2fx\n", c.label.c_str(), n, press, floorPress, press / floorPress);
}

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

// 300 calls of one export: the heap must not grow with them. The GDI objects are counted by
// scripts/bench from Wine's +gdi log between the two marks written to stderr (Wine's
// GetGuiResources is a stub that returns 0).
void Soak(const bench::Case& c, HMODULE korvel, int n, int calls) {
    const bench::Prepared p = c.prepare(korvel, n);
    const bench::Plan plan{p.controlId, 0};
    for (int i = 0; i < 20; ++i) bench::TimeCall(plan, p.call);  // the platform's caches fill first
    const SIZE_T before = HeapBytesInUse();
    std::fprintf(stderr, "korvel-bench: soak begins\n");
    std::fflush(stderr);
    for (int i = 0; i < calls; ++i) bench::TimeCall(plan, p.call);
    std::fprintf(stderr, "korvel-bench: soak ends\n");
    std::fflush(stderr);
    const SIZE_T after = HeapBytesInUse();
    std::printf("soak: %d calls of %s with %d items: heap %+.0f bytes per call (%lu KB before, %lu KB after)\n", calls,
                c.label.c_str(), n, (double(after) - double(before)) / calls,
                static_cast<unsigned long>(before / 1024), static_cast<unsigned long>(after / 1024));
}

std::string Cell(const std::map<int, Result>& results, int n) {
    const auto found = results.find(n);
    if (found == results.end()) return "-";
    char text[48];
    std::snprintf(text, sizeof text, "%.2f/%.2f%s", found->second.OpenRatio(), found->second.CloseRatio(),
                  found->second.sameShape ? "" : "!");
    return text;
}

}  // namespace

int main(int argc, char** argv) {
    const Options options = ParseOptions(argc, argv);
    HMODULE korvel = GetModuleHandleW(L"Korvel.dll");
    const std::vector<bench::Case> cases = bench::AllCases();
    const std::vector<int> sizes{10, 100, 1000, 10000, 100000};
    std::setvbuf(stdout, nullptr, _IONBF, 0);

    if (options.soakOnly) {
        Soak(cases[0], korvel, 100, 300);
        return 0;
    }

    std::map<std::string, std::map<int, Result>> table;
    std::printf("%-40s %7s %10s %10s %7s %10s %10s %7s\n", "dialog", "N", "open ms", "floor ms", "ratio", "close ms",
                "floor ms", "ratio");
    std::vector<bool> overBudget(cases.size(), false);
    for (int n : sizes) {
        if (n > options.maxN || options.pressOnly) break;
        for (std::size_t i = 0; i < cases.size(); ++i) {
            const bench::Case& c = cases[i];
            if (overBudget[i] || (!options.only.empty() && c.label.find(options.only) == std::string::npos)) continue;
            const Result r = Measure(c.prepare(korvel, n), options.runs, options.budgetMs);
            table[c.label][n] = r;
            std::printf("%-40s %7d %10.1f %10.1f %6.2fx %10.1f %10.1f %6.2fx\n", c.label.c_str(), n, r.open,
                        r.floorOpen, r.OpenRatio(), r.close, r.floorClose, r.CloseRatio());
            if (r.open + r.close > options.budgetMs) overBudget[i] = true;
        }
    }

    std::printf("\nRatio to the floor, opening/closing (! = shows other items, columns or rows than the floor)\n");
    std::printf("%-40s", "dialog");
    for (int n : sizes) std::printf(" %12d", n);
    std::printf(" %18s\n", "growth 10k->100k");
    for (const bench::Case& c : cases) {
        const auto found = table.find(c.label);
        if (found == table.end()) continue;
        std::printf("%-40s", c.label.c_str());
        for (int n : sizes) std::printf(" %12s", Cell(found->second, n).c_str());
        const auto small = found->second.find(10000);
        const auto large = found->second.find(100000);
        if (small != found->second.end() && large != found->second.end())
            std::printf("   %5.1fx (floor %4.1fx)", large->second.open / small->second.open,
                        large->second.floorOpen / small->second.floorOpen);
        std::printf("\n");
    }

    const int pressN = std::min(10000, options.maxN);
    // Each press takes about a millisecond: more of them than runs of a dialog keep the median steady.
    const int presses = 2 * std::max(options.runs, 5) + 1;
    std::printf("\nPress on a row until idle again (median of %d presses in %d dialogs, in turn with the floor's)\n",
                presses * kPressTurns, kPressTurns);
    std::printf("%-40s %7s %10s %10s %8s\n", "dialog", "N", "press ms", "floor ms", "ratio");
    for (const bench::Case& c : cases)
        if (c.pressable && (options.only.empty() || c.label.find(options.only) != std::string::npos))
            MeasurePress(c, korvel, pressN, presses);
    return 0;
}
