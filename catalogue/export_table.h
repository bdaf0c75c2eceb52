// The catalogue of the exports, which the demo, the benchmarks and the tests share: one entry
// each, with the arguments after pResult, their samples and the call. Adding an export is adding
// an entry to the table. An array names the
// elements the host provides and, when another argument counts the elements in use, its index:
//   {"EXPORT_NAME", L"窗口标题", {Int("pCount", L"3"), FloatArray("pValues", L"0.5 1 2", 50, 0)},
//    [](HostCall& h) { EXPORT_NAME(h.Result(), h.Int(0), h.Floats(1)); }},
#pragma once
#include <string>
#include <vector>

#include "catalogue/host_call.h"

namespace catalogue {

struct ExportEntry {
    const char* name;           // the export, also the name of the demo's gallery picture
    const wchar_t* title;       // what the dialog is for, as its window title says
    std::vector<Argument> args;  // after pResult, in the order of the call
    void (*call)(HostCall& host);
};

const std::vector<ExportEntry>& Exports();

// The entry of the export `name`; std::invalid_argument when there is none.
const ExportEntry& ExportNamed(const std::string& name);

// The host's variables as the entry's samples give them. `entry` must outlive the call.
HostCall SampleCall(const ExportEntry& entry);

// A dialog that a press on a cell of an export's list opens (the colour picker, the system's
// colour dialog): the gallery photographs it as <export>_<suffix>.png.
struct InnerDialog {
    const char* exportName;
    const char* suffix;
    int listId;  // the list control in the export's dialog
    int row;
    int column;
};

const std::vector<InnerDialog>& InnerDialogs();

}  // namespace catalogue
