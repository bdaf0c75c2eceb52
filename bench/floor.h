// The platform's floor: a dialog template of Korvel.dll opened by a bare dialog procedure that
// fills its list or tree with plain insert messages, redraw off. What the library costs is
// measured against this.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace bench {

// One control of the template and what the floor puts into it.
struct FloorFill {
    enum Kind { kList, kTree };
    int controlId = 0;
    Kind kind = kList;
    int columns = 1;             // list: texts run along the rows, `columns` to a row
    int headingWidthReserve = 0; // list: pixels of the client width left to a last fixed column
    int lastColumnWidth = 0;     // its width (the colour column)
    SIZE stateImage{0, 0};       // a blank state image list of this size sets the row height
    int stateBitmap = 0;         // list: else the images of this bitmap of the module, white
                                 // showing through, and every row shows the first
    int itemHeightDelta = 0;     // tree: added to the platform's row height
    std::wstring heading;
    std::vector<std::wstring> texts;
    std::vector<int> parents;    // tree: index of each item's parent, -1 at the root
    std::vector<LPARAM> values;  // list: the value of each row (may be empty)
};

struct Floor {
    HMODULE module = nullptr;  // Korvel.dll: the templates come from its resources
    int templateId = 0;
    std::vector<FloorFill> fills;
};

// Opens the floor's dialog modally over `owner`; returns DialogBoxParamW's result.
INT_PTR RunFloor(const Floor& floor, HWND owner);

}  // namespace bench
