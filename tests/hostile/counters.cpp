// The GDI handle table: an array of 65536 entries of 24 bytes, an entry in use when its type byte
// is nonzero. A 64-bit process finds it in its PEB; a 32-bit process under Wine has none in its
// own PEB, but its TEB's GdiBatchCount holds the address of the 64-bit TEB, whose PEB has it.
#include "counters.h"

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

long CountGdiObjects() {
    const GdiHandleEntry* table = GdiHandleTable();
    if (!table) return -1;
    long used = 0;
    for (int i = 0; i < kGdiHandles; ++i)
        if (table[i].type) ++used;
    return used;
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

long long HeapBytesInUse() {
    std::vector<HANDLE> heaps(GetProcessHeaps(0, nullptr) + 16);
    heaps.resize(GetProcessHeaps(static_cast<DWORD>(heaps.size()), heaps.data()));
    long long used = 0;
    for (HANDLE heap : heaps) {
        if (!HeapLock(heap)) continue;
        PROCESS_HEAP_ENTRY entry{};
        while (HeapWalk(heap, &entry))
            if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) used += static_cast<long long>(entry.cbData);
        HeapUnlock(heap);
    }
    return used;
}

}  // namespace

ResourceCounts CountResources() {
    ResourceCounts counts;
    counts.gdiObjects = CountGdiObjects();
    EnumWindows(&CountTopLevel, reinterpret_cast<LPARAM>(&counts.windows));
    counts.heapBytes = HeapBytesInUse();
    return counts;
}

std::string Describe(const ResourceCounts& counts) {
    char text[160];
    std::snprintf(text, sizeof text, "GDI objects %ld, windows %ld, heap bytes %lld", counts.gdiObjects,
                  counts.windows, counts.heapBytes);
    return text;
}
