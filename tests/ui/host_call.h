// The host's side of a call: its variables, and one way to call each button-list export with
// pointers to them, so one test can run against every dialog that shares a behaviour.
#pragma once
#include <functional>
#include <string>
#include <vector>

enum class ChoiceExport { ShowND, ShowDH, ShowZX, ShowZHNL };

struct HostVars {
    int result = -7;  // never a result code: shows whether the export wrote it
    int count = 0;
    int columns = 1;
    int choice = 1;
    int option = 1;
    std::string names;
    const char* caption = nullptr;
    bool nullNames = false;  // pass a null name list
};

struct ChoiceExportInfo {
    ChoiceExport which;
    const char* name;
    std::wstring templateTitle;
    bool grid;           // takes a column count and a caption
    std::vector<int> radios;  // option buttons in option order; empty when there is none
};

const std::vector<ChoiceExportInfo>& ChoiceExports();
const ChoiceExportInfo& Info(ChoiceExport which);

// Calls the export with pointers to `vars` (null where asked).
void CallExport(ChoiceExport which, HostVars& vars);
