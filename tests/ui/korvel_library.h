// Loads the built Korvel.dll from beside the test program and finds its exports by name.
#pragma once
#include <windows.h>

using CaseOptionExport = void(__cdecl*)(int*, int*, int*, int*, const char*);
using GridExport = void(__cdecl*)(int*, int*, int*, int*, const char*, const char*);
using GridSpeedExport = void(__cdecl*)(int*, int*, int*, int*, int*, const char*, const char*);

class KorvelLibrary {
public:
    static KorvelLibrary& Get();  // loaded once for the whole run
    HMODULE Module() const noexcept { return m_module; }
    FARPROC Export(const char* name) const { return GetProcAddress(m_module, name); }
    // An export as its real function type (through void*: FARPROC is an unrelated function type).
    template <class Function>
    Function ExportAs(const char* name) const {
        return reinterpret_cast<Function>(reinterpret_cast<void*>(Export(name)));
    }

    CaseOptionExport FXJG_SHOWDH_DLG = nullptr;
    CaseOptionExport FXJG_SHOWND_DLG = nullptr;
    GridExport FXJG_SHOWZHNL_DLG = nullptr;
    GridSpeedExport FXJG_SHOWZX_DLG = nullptr;

private:
    KorvelLibrary();
    HMODULE m_module = nullptr;
};
