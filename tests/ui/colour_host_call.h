// The host's side of the colour and contour exports: its variables, with room past the count
// to show that nothing is read or written beyond it, and one call of each export.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "korvel.h"

// A value the exports never write: shows which entries of the host's arrays they left alone.
constexpr int kUntouched = -77;
constexpr float kUntouchedValue = -77.0f;
constexpr unsigned long kUntouchedColor = 0x00123456;

struct ColourTableVars {
    int result = -7;  // never a result code: shows whether the export wrote it
    int count = 0;
    std::vector<int> colors;  // the host's colour numbers; entries past the count hold kUntouched
    std::string names;        // GBK
    const char* caption = nullptr;
    bool nullNames = false;
};

struct ContourVars {
    int result = -7;
    int count = 0;
    int mode = 1;
    std::vector<float> values;          // entries past the count hold kUntouchedValue
    std::vector<unsigned long> colors;  // entries past the count hold kUntouchedColor
};

// Host variables for `colors`, with `spare` untouched entries after them.
ColourTableVars ColourTable(const std::wstring& names, std::vector<int> colors, int spare = 4);
ContourVars Contour(int mode, std::vector<float> values, std::vector<unsigned long> colors, int spare = 4);

void CallColourTable(ColourTableVars& vars);
// SDP_SHOWDWY_DLG of one loaded copy of the library; null for the library every test uses.
using ContourExport = decltype(&::SDP_SHOWDWY_DLG);
void CallContour(ContourVars& vars, ContourExport call = nullptr);
