// Loading of the library under test.
#include "korvel_library.h"

#include <stdexcept>

namespace {
template <class Function>
void Find(HMODULE module, const char* name, Function& function) {
    // Through void*: FARPROC and the export's real type are unrelated function types.
    function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    if (!function) throw std::runtime_error(std::string("Korvel.dll does not export ") + name);
}
}  // namespace

KorvelLibrary& KorvelLibrary::Get() {
    static KorvelLibrary library;
    return library;
}

KorvelLibrary::KorvelLibrary() {
    m_module = LoadLibraryW(L"Korvel.dll");
    if (!m_module) throw std::runtime_error("Korvel.dll did not load");
    Find(m_module, "FXJG_SHOWDH_DLG", FXJG_SHOWDH_DLG);
    Find(m_module, "FXJG_SHOWND_DLG", FXJG_SHOWND_DLG);
    Find(m_module, "FXJG_SHOWZHNL_DLG", FXJG_SHOWZHNL_DLG);
    Find(m_module, "FXJG_SHOWZX_DLG", FXJG_SHOWZX_DLG);
}
