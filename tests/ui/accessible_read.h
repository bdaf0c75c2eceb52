// What a screen reader reads as a window's name: the name of the window's client object, from
// the platform's accessibility framework (AccessibleObjectFromWindow, get_accName).
#pragma once
#include <windows.h>

#include <string>

struct AccessibleRead {
    HRESULT found = E_FAIL;  // AccessibleObjectFromWindow's answer
    HRESULT named = E_FAIL;  // get_accName's: S_FALSE or a failure when there is no name
    std::wstring name;

    bool HasName() const { return named == S_OK; }
};

// Read on the calling thread, with COM initialised there for the read.
AccessibleRead ReadAccessibleName(HWND window);
