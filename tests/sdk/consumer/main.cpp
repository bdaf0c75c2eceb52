// A C++ host linked through find_package(Korvel): checks that the Korvel.dll it loaded is the one
// copied beside it and carries the version of the header it was compiled with, then calls one
// export. Exits with 1 when a check fails.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "korvel.h"

namespace {

// The fixed file version of the loaded module as "major.minor.patch.tweak"; empty if it has none.
std::string ModuleVersion(HMODULE module) {
    char path[MAX_PATH];
    if (!GetModuleFileNameA(module, path, MAX_PATH)) return {};
    DWORD handle = 0;
    std::vector<BYTE> info(GetFileVersionInfoSizeA(path, &handle));
    if (info.empty() || !GetFileVersionInfoA(path, 0, static_cast<DWORD>(info.size()), info.data())) return {};
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &length) || !fixed) return {};
    return std::to_string(HIWORD(fixed->dwFileVersionMS)) + "." + std::to_string(LOWORD(fixed->dwFileVersionMS)) + "." +
           std::to_string(HIWORD(fixed->dwFileVersionLS)) + "." + std::to_string(LOWORD(fixed->dwFileVersionLS));
}

std::string Folder(const char* path) {
    const std::string text(path);
    return text.substr(0, text.find_last_of("\\/"));
}

}  // namespace

int main() {
    HMODULE korvel = GetModuleHandleA("Korvel.dll");
    char dllPath[MAX_PATH] = "", exePath[MAX_PATH] = "";
    GetModuleFileNameA(korvel, dllPath, MAX_PATH);
    GetModuleFileNameA(nullptr, exePath, MAX_PATH);
    const bool besideProgram = korvel && Folder(dllPath) == Folder(exePath);
    std::printf("Korvel.dll beside the program: %s\n", besideProgram ? "yes" : "no");

    const std::string header = std::to_string(KORVEL_VERSION_MAJOR) + "." + std::to_string(KORVEL_VERSION_MINOR) + "." +
                               std::to_string(KORVEL_VERSION_PATCH) + "." + std::to_string(KORVEL_VERSION_TWEAK);
    const std::string loaded = ModuleVersion(korvel);
    std::printf("header %s (%s), loaded Korvel.dll %s\n", header.c_str(), KORVEL_VERSION_STRING, loaded.c_str());
    const bool sameVersion = loaded == header && header == KORVEL_VERSION_STRING;

    // Five numbered nodes under the heading "node"; the fourth is chosen.
    int result = -1, count = 6, choice = 4;
    FXJG_SHOWZB_DLG(&result, &count, &choice, "\xbd\xda\xb5\xe3|\xbd\xda\xb5\xe3", "Coordinates");
    std::printf("FXJG_SHOWZB_DLG result=%d item=%d\n", result, choice);
    return besideProgram && sameVersion ? 0 : 1;
}
