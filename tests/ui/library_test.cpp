// The module as a host sees it: its exports and ordinals, the DLLs it imports, its version and
// its resources, read from the loaded Korvel.dll itself.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "korvel.h"
#include "korvel_library.h"

extern "C" int KorvelHeaderDeclaresEveryExportInC(void);

namespace {

const BYTE* Base() { return reinterpret_cast<const BYTE*>(KorvelLibrary::Get().Module()); }

const IMAGE_DATA_DIRECTORY& Directory(int which) {
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(Base());
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(Base() + dos->e_lfanew);
    return nt->OptionalHeader.DataDirectory[which];
}

using ExportEntry = std::pair<std::string, DWORD>;  // name, ordinal

TEST(LibraryTest, ExportsItsWorkingDialogsByNameAndOrdinalOnly) {
    const std::vector<ExportEntry> expected{
        {"FXJG_SHOWDH_DLG", 1},   {"FXJG_SHOWND_DLG", 2}, {"FXJG_SHOWWY_DLG", 3}, {"FXJG_SHOWZB_DLG", 4},
        {"FXJG_SHOWZHNL_DLG", 5}, {"FXJG_SHOWZX_DLG", 6}, {"MEMB_DESIGN_INOF_SHOWDLG", 7},
        {"SDP_SHOWCOLOR_DLG", 8}, {"SDP_SHOWDWY_DLG", 9}, {"SJJG_SHOWZF_DLG", 10}};
    const auto* exports =
        reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(Base() + Directory(IMAGE_DIRECTORY_ENTRY_EXPORT).VirtualAddress);
    const auto* names = reinterpret_cast<const DWORD*>(Base() + exports->AddressOfNames);
    const auto* ordinals = reinterpret_cast<const WORD*>(Base() + exports->AddressOfNameOrdinals);
    std::vector<ExportEntry> exported;
    for (DWORD i = 0; i < exports->NumberOfNames; ++i)
        exported.emplace_back(reinterpret_cast<const char*>(Base() + names[i]), ordinals[i] + exports->Base);
    EXPECT_EQ(exported, expected);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(Base() + exports->Name)), "Korvel.dll");

    HMODULE module = KorvelLibrary::Get().Module();
    for (const auto& [name, ordinal] : expected) {
        const FARPROC byName = GetProcAddress(module, name.c_str());
        ASSERT_NE(byName, nullptr) << name;
        EXPECT_EQ(GetProcAddress(module, MAKEINTRESOURCEA(ordinal)), byName) << name;
    }
}

TEST(LibraryTest, CHostCallsEveryExportWithoutAResultPointer) {
    EXPECT_EQ(KorvelHeaderDeclaresEveryExportInC(), 1);
}

TEST(LibraryTest, ImportsSystemDllsOnly) {
    const std::set<std::string> system{"kernel32.dll", "user32.dll",   "gdi32.dll", "comctl32.dll",
                                       "comdlg32.dll", "advapi32.dll", "msvcrt.dll"};
    const auto* import = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(
        Base() + Directory(IMAGE_DIRECTORY_ENTRY_IMPORT).VirtualAddress);
    int count = 0;
    for (; import->Name; ++import, ++count) {
        std::string name = reinterpret_cast<const char*>(Base() + import->Name);
        std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
        EXPECT_TRUE(system.count(name)) << "imports " << name;
    }
    EXPECT_GE(count, 4);
}

std::wstring VersionString(const std::vector<BYTE>& info, const wchar_t* name) {
    wchar_t* value = nullptr;
    UINT length = 0;
    const std::wstring path = std::wstring(L"\\StringFileInfo\\080404b0\\") + name;
    if (!VerQueryValueW(info.data(), path.c_str(), reinterpret_cast<void**>(&value), &length) || !value) return L"?";
    return value;
}

TEST(LibraryTest, VersionResource) {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(KorvelLibrary::Get().Module(), path, MAX_PATH);
    DWORD handle = 0;
    std::vector<BYTE> info(GetFileVersionInfoSizeW(path, &handle));
    ASSERT_FALSE(info.empty());
    ASSERT_TRUE(GetFileVersionInfoW(path, 0, static_cast<DWORD>(info.size()), info.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    // The numbers korvel.h carries: both come from the one version of the build.
    const DWORD versionMS = MAKELONG(KORVEL_VERSION_MINOR, KORVEL_VERSION_MAJOR);
    const DWORD versionLS = MAKELONG(KORVEL_VERSION_TWEAK, KORVEL_VERSION_PATCH);
    EXPECT_EQ(fixed->dwFileVersionMS, versionMS);
    EXPECT_EQ(fixed->dwFileVersionLS, versionLS);
    EXPECT_EQ(fixed->dwProductVersionMS, versionMS);
    EXPECT_EQ(fixed->dwProductVersionLS, versionLS);
    EXPECT_EQ(std::to_string(KORVEL_VERSION_MAJOR) + "." + std::to_string(KORVEL_VERSION_MINOR) + "." +
                  std::to_string(KORVEL_VERSION_PATCH) + "." + std::to_string(KORVEL_VERSION_TWEAK),
              KORVEL_VERSION_STRING);
    EXPECT_EQ(VersionString(info, L"FileDescription"), L"Korvel DLL");
    EXPECT_EQ(VersionString(info, L"InternalName"), L"Korvel");
    EXPECT_EQ(VersionString(info, L"OriginalFilename"), L"Korvel.DLL");
    EXPECT_EQ(VersionString(info, L"ProductName"), L"Korvel Dynamic Link Library");
    const std::wstring versionText = std::to_wstring(KORVEL_VERSION_MAJOR) + L", " + std::to_wstring(KORVEL_VERSION_MINOR) +
                                     L", " + std::to_wstring(KORVEL_VERSION_PATCH) + L", " +
                                     std::to_wstring(KORVEL_VERSION_TWEAK);
    EXPECT_EQ(VersionString(info, L"FileVersion"), versionText);
    EXPECT_EQ(VersionString(info, L"ProductVersion"), versionText);
}

struct ResourceLanguages {
    int resources = 0;
    std::vector<std::wstring> notChinese;
};

BOOL CALLBACK OnLanguage(HMODULE, LPCWSTR type, LPCWSTR name, WORD language, LONG_PTR param) {
    auto& seen = *reinterpret_cast<ResourceLanguages*>(param);
    ++seen.resources;
    if (language != 2052)
        seen.notChinese.push_back(std::to_wstring(reinterpret_cast<ULONG_PTR>(type)) + L"/" +
                                  (IS_INTRESOURCE(name) ? std::to_wstring(reinterpret_cast<ULONG_PTR>(name)) : name));
    return TRUE;
}
BOOL CALLBACK OnName(HMODULE module, LPCWSTR type, LPWSTR name, LONG_PTR param) {
    EnumResourceLanguagesW(module, type, name, &OnLanguage, param);
    return TRUE;
}
BOOL CALLBACK OnType(HMODULE module, LPWSTR type, LONG_PTR param) {
    EnumResourceNamesW(module, type, &OnName, param);
    return TRUE;
}

TEST(LibraryTest, EveryResourceIsChinesePrc) {
    ResourceLanguages seen;
    EnumResourceTypesW(KorvelLibrary::Get().Module(), &OnType, reinterpret_cast<LONG_PTR>(&seen));
    EXPECT_GE(seen.resources, 5);  // four dialogs and the version
    EXPECT_TRUE(seen.notChinese.empty()) << testing::PrintToString(seen.notChinese.size());
}

}  // namespace
