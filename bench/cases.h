// The exports with a list or tree, each with the host data for N items and its floor.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "floor.h"

namespace bench {

// One export at one size: the call with its host data, and the floor it is measured against.
struct Prepared {
    std::function<void()> call;  // calls the export once (the data stays alive inside)
    Floor floor;
    int controlId = 0;           // the list or tree that grows with N
};

struct Case {
    std::string label;
    bool pressable = false;      // a list whose rows a press chooses
    std::function<Prepared(HMODULE korvel, int n)> prepare;
};

std::vector<Case> AllCases();

}  // namespace bench
