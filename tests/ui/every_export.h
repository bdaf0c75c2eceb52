// One call of each of the ten exports with small sample data, all of the host's variables in one
// block, so a test can check that an export left everything but the result code as it was.
#pragma once
#include <string>
#include <vector>

struct SampleHost {
    int result = -7;  // never a result code: shows whether the export wrote it
    int ints[16] = {};
    float values[8] = {};
    unsigned long colors[8] = {};

    // True when every variable but the result code is as `other` holds it.
    bool SameVariables(const SampleHost& other) const;
};

struct SampleExport {
    const char* name;
    void (*call)(SampleHost& host);
    // The host's variables before the call.
    SampleHost (*sample)();
};

const std::vector<SampleExport>& SampleExports();
// For test names: the export's name.
std::string SampleExportName(const SampleExport& which);
