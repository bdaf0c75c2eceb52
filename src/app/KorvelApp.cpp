// The module object and the DLL entry point: the object is constructed with the module's static
// data; the entry point gives it the module on attach and runs its exit on detach.
#include <windows.h>

#include "platform/module.h"
#include "res/resource.h"

namespace {
class CKorvelApp : public platform::CWinApp {
public:
    CKorvelApp() : CWinApp(platform::ExchangePrompts{IDP_PARSE_INT, IDP_PARSE_INT_RANGE}) {}
    ~CKorvelApp() override = default;
};

CKorvelApp theApp;
}  // namespace

#if defined(__GLIBCXX__)
// The C++ runtime linked into the module allocates its emergency exception pool when the module
// loads and frees it only on request: a host that unloads the library gets it back here.
namespace __gnu_cxx {
void __freeres() noexcept;
}
#endif

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID reserved) {
    switch (reason) {
    case DLL_PROCESS_ATTACH:
        DisableThreadLibraryCalls(module);
        return theApp.InitInstance(module) ? TRUE : FALSE;
    case DLL_PROCESS_DETACH:
        theApp.ExitInstance();
#if defined(__GLIBCXX__)
        if (!reserved) __gnu_cxx::__freeres();  // FreeLibrary, not the end of the process
#else
        (void)reserved;
#endif
        return TRUE;
    default:
        return TRUE;
    }
}
