// Loads the built Korvel.dll from beside the test program and finds its exports by name, each as
// the type its declaration in korvel.h gives it.
#pragma once
#include <windows.h>

#include <stdexcept>
#include <string>

#include "korvel.h"

// The export `name` of `module` as `Function` (through void*: FARPROC is an unrelated function
// type). A missing export throws, which fails the test that wanted it.
template <class Function>
Function ExportOf(HMODULE module, const char* name) {
    const FARPROC found = GetProcAddress(module, name);
    if (!found) throw std::runtime_error(std::string("the library does not export ") + name);
    return reinterpret_cast<Function>(reinterpret_cast<void*>(found));
}

class KorvelLibrary {
public:
    static KorvelLibrary& Get();  // loaded once for the whole run
    HMODULE Module() const noexcept { return m_module; }
    FARPROC Export(const char* name) const { return GetProcAddress(m_module, name); }
    template <class Function>
    Function ExportAs(const char* name) const {
        return ExportOf<Function>(m_module, name);
    }

private:
    KorvelLibrary();
    HMODULE m_module = nullptr;
};

// The export `name` of the loaded library, typed as korvel.h declares it:
// KORVEL_EXPORT(FXJG_SHOWZB_DLG)(&result, &count, &choice, names, caption).
#define KORVEL_EXPORT(name) (KorvelLibrary::Get().ExportAs<decltype(&::name)>(#name))
