// Reads a DLGTEMPLATEEX from a module's resources: the dialog's own fields and its controls.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

struct TemplateControl {
    int id = 0;
    std::wstring windowClass;  // in capitals: "BUTTON", "SYSLISTVIEW32"
    std::wstring text;
    DWORD style = 0;
    RECT rect{};  // x, y, width, height in dialog units (right = width, bottom = height)
};

struct DialogTemplate {
    bool found = false;
    DWORD style = 0;
    RECT rect{};
    std::wstring title;
    int pointSize = 0;
    std::wstring font;
    std::vector<TemplateControl> controls;
};

DialogTemplate LoadDialogTemplate(HMODULE module, int id, WORD language);
