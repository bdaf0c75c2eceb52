// A copy of Korvel.dll under a file name of its own, for a test that unloads the library and loads
// it again. Korvel.dll itself cannot be unloaded here: the test program links it (the catalogue
// calls the exports through the import library), so it stays loaded for the whole run. The copy
// is a module of its own, with its own static data.
#pragma once
#include <windows.h>

#include <string>

#include "korvel_library.h"

class LibraryCopy {
public:
    // Copies the loaded Korvel.dll into the temporary directory as `fileName` and loads the copy.
    explicit LibraryCopy(const std::wstring& fileName);
    ~LibraryCopy();  // unloads the copy and deletes its file
    LibraryCopy(const LibraryCopy&) = delete;
    LibraryCopy& operator=(const LibraryCopy&) = delete;

    // Frees the copy until the process holds it no more; false when it stays loaded.
    bool Unload();
    // Loads the copy again; false when it does not load.
    bool Load();

    template <class Function>
    Function ExportAs(const char* name) const {
        return ExportOf<Function>(m_module, name);
    }

private:
    std::wstring m_path;
    HMODULE m_module = nullptr;
};
