// Reading a client object's name as a screen reader does.
#include "accessible_read.h"

#include <ole2.h>
#include <oleacc.h>

AccessibleRead ReadAccessibleName(HWND window) {
    AccessibleRead read;
    const HRESULT initialized = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    IAccessible* object = nullptr;
    read.found = AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                            reinterpret_cast<void**>(&object));
    if (SUCCEEDED(read.found) && object) {
        VARIANT self{};
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        BSTR name = nullptr;
        read.named = object->get_accName(self, &name);
        if (name) read.name.assign(name, SysStringLen(name));
        SysFreeString(name);
        object->Release();
    }
    if (SUCCEEDED(initialized)) CoUninitialize();
    return read;
}
