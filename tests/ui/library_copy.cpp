// Copying, loading and unloading a copy of the library.
#include "library_copy.h"

#include <stdexcept>

namespace {

std::wstring ModulePath(HMODULE module) {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(module, path, MAX_PATH);
    return path;
}

std::wstring TempPath(const std::wstring& fileName) {
    wchar_t dir[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, dir);
    // The process id keeps runs of the test programs side by side apart.
    return std::wstring(dir) + std::to_wstring(GetCurrentProcessId()) + L"_" + fileName;
}

}  // namespace

LibraryCopy::LibraryCopy(const std::wstring& fileName) : m_path(TempPath(fileName)) {
    if (!CopyFileW(ModulePath(KorvelLibrary::Get().Module()).c_str(), m_path.c_str(), FALSE))
        throw std::runtime_error("the library could not be copied");
    if (!Load()) throw std::runtime_error("the library's copy did not load");
}

LibraryCopy::~LibraryCopy() {
    if (Unload()) DeleteFileW(m_path.c_str());
}

bool LibraryCopy::Unload() {
    // Each load counts; a reference the library took of itself would show as one more.
    for (int i = 0; i < 16; ++i) {
        HMODULE loaded = GetModuleHandleW(m_path.c_str());
        if (!loaded) break;
        FreeLibrary(loaded);
    }
    m_module = nullptr;
    return GetModuleHandleW(m_path.c_str()) == nullptr;
}

bool LibraryCopy::Load() {
    m_module = LoadLibraryW(m_path.c_str());
    return m_module != nullptr;
}
