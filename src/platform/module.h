// CWinApp: the module object of the library. Knows the module's instance handle (where the
// templates and strings live), the application name that titles the library's message boxes and
// the string ids of the warnings the data exchange shows.
#pragma once
#include <windows.h>

#include <string>

namespace platform {

// Ids in the module's string table of the warnings the data exchange shows.
struct ExchangePrompts {
    UINT parseInt = 0;       // "请键入一个整数。"
    UINT parseIntRange = 0;  // the range, with %1 and %2 for its ends
};

class CWinApp {
public:
    explicit CWinApp(const ExchangePrompts& prompts = {});
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    HINSTANCE m_hInstance = nullptr;
    std::wstring m_strAppName;  // the module file name without its extension
    const ExchangePrompts m_exchangePrompts;

    // Called from the DLL entry point on process attach; false fails the load.
    virtual bool InitInstance(HINSTANCE module);
    virtual void ExitInstance() {}
};

// The one module object, and the instance handle resources are loaded from.
CWinApp* AfxGetApp() noexcept;
HINSTANCE AfxGetResourceHandle() noexcept;

}  // namespace platform
