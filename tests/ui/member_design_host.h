// The host's side of MEMB_DESIGN_INOF_SHOWDLG: its variables, with two entries past the beam
// switches that the dialog must never touch, and a run of the dialog under a test script.
#pragma once
#include <windows.h>

#include <functional>
#include <vector>

#include "dialog_driver.h"

constexpr int kMemberDesignSentinel = -77;

struct MemberDesignHost {
    int result = -7;
    // The five beam switches, then two entries the dialog must never touch.
    std::vector<int> beams{0, 1, 1, 0, 1, kMemberDesignSentinel, kMemberDesignSentinel};
    void* unused = reinterpret_cast<void*>(static_cast<INT_PTR>(0x5A5A));
    bool nullBeams = false;

    void Call();
};

// Runs the dialog; the script sees it, then `closeWith` is pressed.
DialogRun RunMemberDesign(MemberDesignHost& host, const std::function<void(DialogDriver&)>& script,
                          int closeWith = IDOK);
