// The GDI handle table: an array of 65536 entries of 24 bytes, an entry in use when its type byte
// is nonzero. A 64-bit process finds it in its PEB; a 32-bit process under Wine has none in its
// own PEB, but its TEB's GdiBatchCount holds the address of the 64-bit TEB, whose PEB has it.
#include "counters.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

struct GdiHandleEntry {
    std::uint64_t object;
    std::uint32_t owner;
    std::uint16_t unique;
    std::uint8_t type;
    std::uint8_t flags;
    std::uint64_t userPointer;
};
static_assert(sizeof(GdiHandleEntry) == 24, "layout of the shared GDI handle table");
constexpr int kGdiHandles = 0x10000;
constexpr std::uint8_t kGdiBrush = 0x10;

template <class T>
T At(std::uintptr_t address) {
    T value{};
    std::memcpy(&value, reinterpret_cast<const void*>(address), sizeof value);
    return value;
}

std::uintptr_t ThreadEnvironmentBlock() {
    // The header's segment read looks like an array access to the compiler's bounds check.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Warray-bounds"
    return reinterpret_cast<std::uintptr_t>(NtCurrentTeb());
#pragma GCC diagnostic pop
}

const GdiHandleEntry* GdiHandleTable() {
    const auto teb = ThreadEnvironmentBlock();
#ifdef _WIN64
    const auto peb = At<std::uintptr_t>(teb + 0x60);
    return reinterpret_cast<const GdiHandleEntry*>(At<std::uintptr_t>(peb + 0xF8));
#else
    const auto peb = At<std::uintptr_t>(teb + 0x30);
    if (auto table = At<std::uintptr_t>(peb + 0x94)) return reinterpret_cast<const GdiHandleEntry*>(table);
    if (!GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version")) return nullptr;
    const auto teb64 = static_cast<std::uintptr_t>(At<std::uint32_t>(teb + 0xF70));
    if (!teb64) return nullptr;
    const auto peb64 = static_cast<std::uintptr_t>(At<std::uint64_t>(teb64 + 0x60));
    return reinterpret_cast<const GdiHandleEntry*>(static_cast<std::uintptr_t>(At<std::uint64_t>(peb64 + 0xF8)));
#endif
}

void CountGdiObjects(ResourceCounts& counts) {
    const GdiHandleEntry* table = GdiHandleTable();
    if (!table) return;
    counts.gdiObjects = 0;
    for (int i = 0; i < kGdiHandles; ++i)
        if (table[i].type) {
            ++counts.gdiObjects;
            ++counts.gdiByType[table[i].type];
            // A handle is the entry's index with its unique number in the high word.
            if (table[i].type == kGdiBrush)
                counts.brushes.push_back(static_cast<std::uintptr_t>(i) | (std::uintptr_t{table[i].unique} << 16));
        }
}

const char* GdiTypeName(int type) {
    switch (type) {
    case 0x01: return "DC";
    case 0x04: return "region";
    case 0x05: return "bitmap";
    case 0x08: return "palette";
    case 0x0a: return "font";
    case 0x10: return "brush";
    case 0x30: return "pen";
    case 0x50: return "extended pen";
    default: return nullptr;
    }
}

BOOL CALLBACK CountChild(HWND, LPARAM count) {
    ++*reinterpret_cast<long*>(count);
    return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND hwnd, LPARAM count) {
    DWORD process = 0;
    GetWindowThreadProcessId(hwnd, &process);
    if (process != GetCurrentProcessId()) return TRUE;
    ++*reinterpret_cast<long*>(count);
    EnumChildWindows(hwnd, &CountChild, count);
    return TRUE;
}

// USER handles are an index into the process's table, 0x20 apart by 2, with a generation in the
// high word that a handle without one matches whatever it is.
long CountUserObjects() {
    constexpr std::uintptr_t kFirstUserHandle = 0x20, kLastUserHandle = 0xffef;
    long objects = 0;
    for (std::uintptr_t value = kFirstUserHandle; value <= kLastUserHandle; value += 2) {
        const auto handle = reinterpret_cast<HANDLE>(value);
        ICONINFO icon{};
        if (IsMenu(static_cast<HMENU>(handle)) || CopyAcceleratorTableW(static_cast<HACCEL>(handle), nullptr, 0) > 0)
            ++objects;
        else if (GetIconInfo(static_cast<HICON>(handle), &icon)) {
            ++objects;
            if (icon.hbmMask) DeleteObject(icon.hbmMask);
            if (icon.hbmColor) DeleteObject(icon.hbmColor);
        }
    }
    return objects;
}

std::vector<std::uintptr_t> OpenHandles() {
    std::vector<std::uintptr_t> handles;
    DWORD flags = 0;
    for (std::uintptr_t value = 4; value < kHandleProbeLimit; value += 4)
        if (GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags)) handles.push_back(value);
    return handles;
}

// The object type's name ("Event", "Key", ...) from ntdll, which every process has loaded.
std::string HandleTypeName(std::uintptr_t value) {
    using QueryObject = LONG(WINAPI*)(HANDLE, int, void*, ULONG, ULONG*);
    static const auto query = reinterpret_cast<QueryObject>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryObject")));
    constexpr int kObjectTypeInformation = 2;
    struct TypeName {
        USHORT length;
        USHORT maximumLength;
        PWSTR buffer;
    };
    alignas(8) unsigned char info[1024];
    if (!query || query(reinterpret_cast<HANDLE>(value), kObjectTypeInformation, info, sizeof info, nullptr) != 0)
        return "?";
    const auto* name = reinterpret_cast<const TypeName*>(info);
    std::string text;
    for (USHORT i = 0; i < name->length / 2; ++i)
        text += static_cast<char>(name->buffer[i] < 128 ? name->buffer[i] : '?');
    return text;
}

long long HeapBytesInUse() {
    std::vector<HANDLE> heaps(GetProcessHeaps(0, nullptr) + 16);
    heaps.resize(GetProcessHeaps(static_cast<DWORD>(heaps.size()), heaps.data()));
    long long used = 0;
    bool walked = false;
    for (HANDLE heap : heaps) {
        if (!HeapLock(heap)) continue;
        walked = true;
        PROCESS_HEAP_ENTRY entry{};
        while (HeapWalk(heap, &entry))
            if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) used += static_cast<long long>(entry.cbData);
        HeapUnlock(heap);
    }
    return walked ? used : -1;
}

}  // namespace

namespace {

constexpr int kGdiDeviceContext = 0x01;

long DeviceContexts() {
    ResourceCounts counts;
    CountGdiObjects(counts);
    return counts.gdiByType[kGdiDeviceContext];
}

HWND ProbeWindow() {
    return CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 16, 16, nullptr, nullptr, nullptr, nullptr);
}

}  // namespace

long DeviceContextsMadeForWindowsInTurn(int count) {
    std::vector<HWND> windows;
    for (int i = 0; i < count; ++i)
        if (HWND window = ProbeWindow()) windows.push_back(window);
    const long before = DeviceContexts();
    for (HWND window : windows)
        if (HDC dc = GetDCEx(window, nullptr, DCX_CACHE)) ReleaseDC(window, dc);
    const long made = DeviceContexts() - before;
    for (HWND window : windows) DestroyWindow(window);
    return made;
}

bool FillDeviceContextCache() {
    // Windows taking a context in turn fill the cache (each binds one, until it is full); a
    // second round shows it full: an unused context is lent to any window, and none is made.
    const long filling = DeviceContextsMadeForWindowsInTurn(2 * kDeviceContextCacheSize);
    const long made = DeviceContextsMadeForWindowsInTurn(2 * kDeviceContextCacheSize);
    std::printf("device context cache: windows taking one in turn made %ld, then %ld\n", filling, made);
    if (made != 0)
        std::printf("FAIL device context cache: still growing after %d windows took one in turn\n",
                    2 * kDeviceContextCacheSize);
    return made == 0;
}

ResourceCounts CountResources() {
    ResourceCounts counts;
    CountGdiObjects(counts);
    long windows = 0;
    if (EnumWindows(&CountTopLevel, reinterpret_cast<LPARAM>(&windows))) counts.windows = windows;
    counts.userObjects = CountUserObjects();
    counts.handles = OpenHandles();
    counts.heapBytes = HeapBytesInUse();
    return counts;
}

bool CountersSeeWhatTheyCount() {
    constexpr SIZE_T kBlock = 64 * 1024;
    const ResourceCounts before = CountResources();
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 16, 16, nullptr, nullptr, nullptr, nullptr);
    HMENU menu = CreateMenu();
    HANDLE event = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    void* block = HeapAlloc(GetProcessHeap(), 0, kBlock);
    const ResourceCounts with = CountResources();
    HeapFree(GetProcessHeap(), 0, block);
    CloseHandle(event);
    DestroyMenu(menu);
    DestroyWindow(window);
    DeleteObject(brush);

    const bool eventSeen = std::binary_search(with.handles.begin(), with.handles.end(),
                                              reinterpret_cast<std::uintptr_t>(event));
    struct Check {
        const char* counter;
        const char* object;
        bool read;
        bool seen;
    };
    const Check checks[] = {
        {"GDI objects", "a brush", before.gdiObjects >= 0 && with.gdiObjects >= 0, with.gdiObjects > before.gdiObjects},
        {"windows", "a window", before.windows >= 0 && with.windows >= 0, with.windows > before.windows},
        {"other USER objects", "a menu", true, with.userObjects > before.userObjects},
        {"handles", "an event", true, eventSeen},
        // Other blocks come and go meanwhile: half the block is what no accident gives.
        {"heap bytes", "a 64 KiB block", before.heapBytes >= 0 && with.heapBytes >= 0,
         with.heapBytes - before.heapBytes >= static_cast<long long>(kBlock / 2)},
    };
    bool ok = true;
    for (const Check& c : checks) {
        if (c.read && c.seen) continue;
        if (c.read) std::printf("FAIL counter %s: did not see %s made to check it\n", c.counter, c.object);
        else std::printf("FAIL counter %s: not read\n", c.counter);
        ok = false;
    }
    return ok;
}

std::string Describe(const ResourceCounts& counts) {
    char text[240];
    std::snprintf(text, sizeof text,
                  "GDI objects %ld, windows %ld, other USER objects %ld, handles %ld, heap bytes %lld",
                  counts.gdiObjects, counts.windows, counts.userObjects, static_cast<long>(counts.handles.size()),
                  counts.heapBytes);
    return text;
}

std::string DescribeGdiChange(const ResourceCounts& before, const ResourceCounts& after) {
    std::string text;
    for (int type = 1; type < 256; ++type) {
        const long change = after.gdiByType[type] - before.gdiByType[type];
        if (!change) continue;
        char item[48];
        if (const char* name = GdiTypeName(type))
            std::snprintf(item, sizeof item, "%s %+ld", name, change);
        else
            std::snprintf(item, sizeof item, "type 0x%02x %+ld", type, change);
        text += (text.empty() ? "" : ", ") + std::string(item);
    }
    for (std::uintptr_t handle : after.brushes) {
        if (std::find(before.brushes.begin(), before.brushes.end(), handle) != before.brushes.end()) continue;
        LOGBRUSH brush{};
        char item[64];
        if (GetObjectW(reinterpret_cast<HGDIOBJ>(handle), sizeof brush, &brush) == sizeof brush)
            std::snprintf(item, sizeof item, "new brush: style %u #%06lx", brush.lbStyle,
                          static_cast<unsigned long>(brush.lbColor));
        else
            std::snprintf(item, sizeof item, "new brush: not readable");
        text += (text.empty() ? "" : ", ") + std::string(item);
    }
    return text;
}

std::string DescribeNewHandles(const ResourceCounts& before, const ResourceCounts& after) {
    std::string text;
    for (std::uintptr_t value : after.handles) {
        if (std::binary_search(before.handles.begin(), before.handles.end(), value)) continue;
        char item[64];
        std::snprintf(item, sizeof item, "0x%llx %s", static_cast<unsigned long long>(value),
                      HandleTypeName(value).c_str());
        text += (text.empty() ? "" : ", ") + std::string(item);
    }
    return text;
}
