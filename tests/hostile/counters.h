// What a call may leave behind, counted by methods that work under Wine (whose GetGuiResources
// returns 0): GDI objects from the GDI handle table that the process environment block points
// to, the process's windows, and the bytes in use on every heap of the process.
#pragma once
#include <windows.h>

#include <string>

struct ResourceCounts {
    long gdiObjects = -1;  // -1: no handle table found
    long windows = 0;
    long long heapBytes = 0;
};

ResourceCounts CountResources();
std::string Describe(const ResourceCounts& counts);
