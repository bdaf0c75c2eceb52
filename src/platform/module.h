// CWinApp: the module object of the library. Knows the module's instance handle (where the
// templates and strings live) and the application name that titles the library's message boxes.
#pragma once
#include <windows.h>

#include <string>

namespace platform {

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    HINSTANCE m_hInstance = nullptr;
    std::wstring m_strAppName;  // the module file name without its extension

    // Called from the DLL entry point on process attach; false fails the load.
    virtual bool InitInstance(HINSTANCE module);
    virtual void ExitInstance() {}
};

// The one module object, and the instance handle resources are loaded from.
CWinApp* AfxGetApp() noexcept;
HINSTANCE AfxGetResourceHandle() noexcept;

}  // namespace platform
