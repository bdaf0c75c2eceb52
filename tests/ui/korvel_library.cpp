// Loading of the library under test.
#include "korvel_library.h"

KorvelLibrary& KorvelLibrary::Get() {
    static KorvelLibrary library;
    return library;
}

KorvelLibrary::KorvelLibrary() {
    m_module = LoadLibraryW(L"Korvel.dll");
    if (!m_module) throw std::runtime_error("Korvel.dll did not load");
}
