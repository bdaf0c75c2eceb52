// The module object and the DLL entry point: the object is constructed with the module's static
// data; the entry point gives it the module on attach and runs its exit on detach.
#include <windows.h>

#include <cstddef>  // the C++ runtime's configuration

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

#if defined(__MINGW32__) && defined(_GLIBCXX_USE_PTHREAD_RWLOCK_T)  // C++ threads on posix threads
// The posix-threads runtime linked into the module keeps a record of each thread that used it,
// with two handles, released by the runtime's TLS callback when that thread ends. In 32-bit
// builds the module's startup registers its unwind tables through that runtime on the loading
// thread, which does not end when the library unloads: its record is released here as at the
// end of a thread (the runtime keeps the emptied block, 184 bytes).
extern "C" PIMAGE_TLS_CALLBACK __xl_f;
namespace {
void ReleaseThreadRecord(HINSTANCE module) { __xl_f(module, DLL_THREAD_DETACH, nullptr); }
}  // namespace
#else
namespace {
void ReleaseThreadRecord(HINSTANCE) {}
}  // namespace
#endif

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID reserved) {
    switch (reason) {
    case DLL_PROCESS_ATTACH:
        DisableThreadLibraryCalls(module);
        return theApp.InitInstance(module) ? TRUE : FALSE;
    case DLL_PROCESS_DETACH:
        theApp.ExitInstance();
        if (!reserved) {  // FreeLibrary, not the end of the process
#if defined(__GLIBCXX__)
            __gnu_cxx::__freeres();
#endif
            ReleaseThreadRecord(module);
        }
        return TRUE;
    default:
        return TRUE;
    }
}
