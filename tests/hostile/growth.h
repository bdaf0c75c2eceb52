// What a run may leave behind and the judging of it: the counts at a run's end against those
// after its warm-up, within one set of allowances for every run.
#pragma once
#include "counters.h"

// What may stay however many calls were made: a few GDI objects of the system's caches, no
// window or other USER object, two handles (a lock makes its event the first time two threads
// meet on it: one Event has been seen once in 2,000 calls) and a few heap bytes. Growth with the
// number of calls is what a leak looks like.
struct Allowance {
    long gdiObjects = 16;
    long windows = 0;
    long userObjects = 0;
    long handles = 2;
    long long heapBytes = 16 * 1024;
};

// Prints the counts before and after and the growth, ending "ok" or "FAIL"; a counter that was
// not read, or grew past its allowance, gets a FAIL line of its own. True when all is within.
bool ReportGrowth(const ResourceCounts& before, const ResourceCounts& after, const Allowance& allowed);
