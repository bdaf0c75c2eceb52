// korvel_hostile: the library under a hostile host, in three runs.
//   korvel_hostile [--rng N] [--calls N] [--call K]
//                                                      random calls with random arguments and input
//   korvel_hostile --soak N                             N open-press-OK calls of every export
//   korvel_hostile --reload N                           load, call, unload the library N times
//   --call-limit S (any run)                            seconds a call may take (120)
// Each random call k is made from its own rng key (the run's start value and k), so
// `--rng N --call K` repeats call K alone. Every run first checks that its counters see what they
// count, and judges what its calls leave behind after a warm-up. A call that has not returned
// within its limit ends the process with its reproducer line. Exit status 0 when every check held.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "counters.h"
#include "growth.h"
#include "guarded.h"
#include "host_call.h"
#include "host_window.h"
#include "interaction.h"
#include "watchdog.h"

namespace {

struct Options {
    unsigned long long rng = 1;
    long calls = 300;
    long only = -1;  // --call K
    long soak = 0;
    long reload = 0;
    unsigned callLimitSeconds = 120;  // a million-row list and a dozen inputs, each settling, take far less
};

Options Parse(int argc, char** argv) {
    Options o;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string arg = argv[i];
        const char* value = argv[i + 1];
        if (arg == "--rng") o.rng = std::strtoull(value, nullptr, 10);
        else if (arg == "--calls") o.calls = std::strtol(value, nullptr, 10);
        else if (arg == "--call") o.only = std::strtol(value, nullptr, 10);
        else if (arg == "--soak") o.soak = std::strtol(value, nullptr, 10);
        else if (arg == "--reload") o.reload = std::strtol(value, nullptr, 10);
        else if (arg == "--call-limit") o.callLimitSeconds = static_cast<unsigned>(std::strtoul(value, nullptr, 10));
    }
    return o;
}

// Set while a call runs, for the fault report.
unsigned long long g_rng = 0;
long g_call = -1;
const HostCall* g_current = nullptr;

std::string ReproducerText(const char* what) {
    std::string text = "FAIL call " + std::to_string(g_call) + ": " + what + "\n";
    if (g_current) text += "  " + g_current->Describe() + "\n";
    text += "  reproduce: korvel_hostile.exe --rng " + std::to_string(g_rng) + " --call " + std::to_string(g_call) + "\n";
    return text;
}

void Reproducer(const char* what) {
    std::fputs(ReproducerText(what).c_str(), stdout);
    std::fflush(stdout);
}

// Every call runs against a deadline: one that blocks (a dialog nothing closes, an export that
// never shows one) ends the process with its reproducer instead of hanging the run.
constexpr unsigned kCallOverran = 5;
unsigned g_callLimitMs = 0;

support::Watchdog& CallDeadline() {
    static support::Watchdog watchdog(
        [](const std::string& report) {
            std::fputs(report.c_str(), stdout);
            std::fflush(stdout);
        },
        kCallOverran);
    return watchdog;
}

// Runs one call of the host under the deadline; `what` names it in the report.
template <typename Call>
void WithinLimit(const std::string& what, Call&& call) {
    char limit[64];
    std::snprintf(limit, sizeof limit, "did not return within %u s", g_callLimitMs / 1000);
    CallDeadline().Arm(what.empty() ? ReproducerText(limit) : "FAIL " + what + ": " + limit + "\n", g_callLimitMs);
    call();
    CallDeadline().Disarm();
}

// A read or write in a guard page is the library's stray access: report it before any handler
// further up can swallow it. Other faults go to the unhandled-exception filter.
LONG CALLBACK OnGuardPageFault(EXCEPTION_POINTERS* info) {
    const EXCEPTION_RECORD& record = *info->ExceptionRecord;
    if (record.ExceptionCode != EXCEPTION_ACCESS_VIOLATION || record.NumberParameters < 2) return EXCEPTION_CONTINUE_SEARCH;
    const auto* address = reinterpret_cast<const void*>(record.ExceptionInformation[1]);
    if (!IsGuardPageAddress(address)) return EXCEPTION_CONTINUE_SEARCH;
    char text[128];
    std::snprintf(text, sizeof text, "%s past the end of a host variable at %p",
                  record.ExceptionInformation[0] ? "write" : "read", address);
    Reproducer(text);
    ExitProcess(3);
}

LONG WINAPI OnCrash(EXCEPTION_POINTERS* info) {
    char text[128];
    std::snprintf(text, sizeof text, "fault %08lx at %p", info->ExceptionRecord->ExceptionCode,
                  info->ExceptionRecord->ExceptionAddress);
    Reproducer(text);
    ExitProcess(3);
}

// The rng of call k: a mix of the run's start value and k (splitmix64).
Rng CallRng(unsigned long long start, long k) {
    unsigned long long z = start * 0x9E3779B97F4A7C15ull + static_cast<unsigned long long>(k) + 1;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return Rng(z ^ (z >> 31));
}

// The host's main window: shown and active, hidden, disabled, or none at all.
HWND MakeHostWindow(int state) {
    if (state == 0) return nullptr;
    HWND host = CreateHostWindow(40, 40, 700, 500, nullptr, WS_OVERLAPPEDWINDOW | (state == 2 ? 0 : WS_VISIBLE));
    if (state == 3) {
        // Disabling may take the activation away: it is asked for again.
        EnableWindow(host, FALSE);
        SetActiveWindow(host);
    }
    return host;
}

// One random call; returns false (after reporting) when a check failed.
bool HostileCall(HMODULE korvel, unsigned long long start, long k) {
    Rng rng = CallRng(start, k);
    const int which = std::uniform_int_distribution<int>(0, HostCall::kExports - 1)(rng);
    const HostCall call(which, rng);
    const int hostState = std::uniform_int_distribution<int>(0, 3)(rng);
    const int actions = std::uniform_int_distribution<int>(0, 12)(rng);
    const auto way = static_cast<WayOut>(std::uniform_int_distribution<int>(0, int(WayOut::Count) - 1)(rng));
    g_call = k;
    g_current = &call;
    HWND host = MakeHostWindow(hostState);
    Interaction seen;
    WithinLimit("", [&] { seen = Interact([&] { call.Invoke(korvel); }, Rng(rng()), actions, way); });
    const bool quitKept = seen.quitPending;
    if (host) DestroyWindow(host);
    std::string failure = call.Check();
    if (failure.empty() && seen.hung) failure = "the dialog could not be closed";
    if (failure.empty() && seen.openAtWayOut && call.ResultGiven()) {
        const bool cancelled = way == WayOut::CancelButton || way == WayOut::Quit || way == WayOut::CloseBox;
        if (cancelled && call.Result() != 1)
            failure = std::string("result ") + std::to_string(call.Result()) + " after " + Name(way);
    }
    if (failure.empty() && seen.openAtWayOut && way == WayOut::Quit && !quitKept)
        failure = "the host's WM_QUIT was lost";
    if (!failure.empty()) Reproducer((failure + " (way out: " + Name(way) + ")").c_str());
    g_current = nullptr;
    return failure.empty();
}

// Open-press-OK calls of every export, `rounds` times over; returns how many did not give 0.
long SampleRounds(HMODULE korvel, long rounds) {
    long notOk = 0;
    for (long i = 0; i < rounds; ++i)
        for (int which = 0; which < HostCall::kExports; ++which) {
            const HostCall call = HostCall::Sample(which);
            WithinLimit(std::string("open-press-OK call of ") + call.ExportName() + " in round " + std::to_string(i),
                        [&] { PressAndOk([&] { call.Invoke(korvel); }); });
            if (call.Result() != 0) ++notOk;
        }
    return notOk;
}

// What the system keeps once and for all (classes, fonts, caches) is made before the counts
// that a run's growth is judged from.
bool WarmUp(HMODULE korvel) {
    SampleRounds(korvel, 3);
    return FillDeviceContextCache();
}

// A random run's warm-up also makes its first calls once (up to this many): what the system
// keeps the first time a path is taken (a message box's icon, the colour chooser's objects,
// device contexts for a dialog over dialogs) is kept before the counts.
constexpr long kWarmUpCalls = 300;

int RunHostile(HMODULE korvel, const Options& o) {
    g_rng = o.rng;
    const long first = o.only >= 0 ? o.only : 0;
    const long last = o.only >= 0 ? o.only + 1 : o.calls;
    const long warmUpLast = std::min(last, first + kWarmUpCalls);
    long warmUpFailures = 0;
    for (long k = first; k < warmUpLast; ++k)
        if (!HostileCall(korvel, o.rng, k)) ++warmUpFailures;
    std::printf("warm-up: calls %ld to %ld made once, %ld failed\n", first, warmUpLast - 1, warmUpFailures);
    if (!WarmUp(korvel)) return 1;
    long failures = 0;
    const ResourceCounts before = CountResources();
    for (long k = first; k < last; ++k) {
        if (!HostileCall(korvel, o.rng, k)) ++failures;
        // Long runs report as they go, so a run cut short still leaves its figures.
        if ((k + 1 - first) % 250 == 0 && k + 1 < last) {
            const ResourceCounts now = CountResources();
            std::printf("  %ld calls, %ld failed; %s\n", k + 1 - first, failures, Describe(now).c_str());
        }
    }
    const ResourceCounts after = CountResources();
    std::printf("hostile: rng %llu, %ld calls, %ld failed\n", o.rng, last - first, failures);
    const bool ok = ReportGrowth(before, after, Allowance{});
    return ok && failures == 0 && warmUpFailures == 0 ? 0 : 1;
}

// Calls of every export that open, press and confirm; the counts must come back to where they
// were after the warm-up.
int RunSoak(HMODULE korvel, long calls) {
    if (!WarmUp(korvel)) return 1;
    const ResourceCounts before = CountResources();
    const long notOk = SampleRounds(korvel, calls);
    const ResourceCounts after = CountResources();
    std::printf("soak: %ld open-press-OK calls of each of %d exports (%ld not OK)\n", calls, HostCall::kExports, notOk);
    const bool ok = ReportGrowth(before, after, Allowance{});
    return ok && notOk == 0 ? 0 : 1;
}

// Loading, one confirmed dialog and unloading, many times: the process's memory must stay put.
int RunReload(long times) {
    // The host keeps the common dialogs loaded, as a host with file dialogs does: under Wine,
    // loading and unloading them leaves a mutex behind each time, with or without this library
    // (a DLL of one empty function that imports them does the same).
    LoadLibraryW(L"comdlg32.dll");
    auto cycle = [] {
        HMODULE korvel = LoadLibraryW(L"Korvel.dll");
        if (!korvel) return false;
        const HostCall call = HostCall::Sample(0);
        WithinLimit(std::string("reloaded library's call of ") + call.ExportName(),
                    [&] { PressAndOk([&] { call.Invoke(korvel); }); });
        const bool ok = call.Result() == 0;
        FreeLibrary(korvel);
        return ok && !GetModuleHandleW(L"Korvel.dll");
    };
    for (int i = 0; i < 30; ++i) cycle();  // the system's caches (fonts, classes) fill up first
    if (!FillDeviceContextCache()) return 1;
    const ResourceCounts before = CountResources();
    long failed = 0;
    for (long i = 0; i < times; ++i)
        if (!cycle()) ++failed;
    const ResourceCounts after = CountResources();
    // What a load keeps, measured: in 32-bit builds the module's startup registers its unwind
    // tables through the posix-threads runtime, which keeps the emptied record of the loading
    // thread (184 bytes) and two small blocks; a DLL with no code of ours, built the same way,
    // keeps them too. 64-bit builds keep nothing.
    const long long runtimeKeeps = sizeof(void*) == 4 ? 320 : 0;
    std::printf("reload: %ld loads and unloads with a dialog between (%ld failed)\n", times, failed);
    Allowance allowed;
    allowed.heapBytes += runtimeKeeps * times;
    const bool ok = ReportGrowth(before, after, allowed);
    return ok && failed == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    setvbuf(stdout, nullptr, _IONBF, 0);
    const Options o = Parse(argc, argv);
    g_callLimitMs = o.callLimitSeconds * 1000;
    AddVectoredExceptionHandler(1, &OnGuardPageFault);
    SetUnhandledExceptionFilter(&OnCrash);
    if (!CountersSeeWhatTheyCount()) return 4;
    if (o.reload > 0) return RunReload(o.reload);
    HMODULE korvel = LoadLibraryW(L"Korvel.dll");
    if (!korvel) {
        std::printf("Korvel.dll did not load\n");
        return 2;
    }
    if (o.soak > 0) return RunSoak(korvel, o.soak);
    return RunHostile(korvel, o);
}
