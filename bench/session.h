// One timed call of a modal dialog: from the call until the dialog is painted and idle, presses
// on its list each timed until idle again, then Cancel and the time until the call returns.
#pragma once
#include <windows.h>

#include <functional>
#include <vector>

namespace bench {

// What a list or tree shows: compared between an export and its floor.
struct Shape {
    int items = -1;
    int columns = -1;
    int rowHeight = -1;
    int scrollRows = -1;  // the vertical scroll range: rows shown once expanded
    bool operator==(const Shape& o) const {
        return items == o.items && columns == o.columns && rowHeight == o.rowHeight && scrollRows == o.scrollRows;
    }
};

struct Timing {
    double openMs = -1;   // call until painted and idle
    double closeMs = -1;  // Cancel posted until the call returned
    std::vector<double> pressMs;
    Shape shape;
};

// What to do once the dialog is idle: read the shape of `controlId`, press `presses` times on
// its rows (alternating two rows near the top), then Cancel.
struct Plan {
    int controlId = 0;
    int presses = 0;
};

double NowMs();

// The visible top-level window that owns every dialog, active so the exports find it.
HWND HostWindow();

// Runs `call` (which opens one modal dialog over HostWindow() and returns when it closes).
Timing TimeCall(const Plan& plan, const std::function<void()>& call);

}  // namespace bench
