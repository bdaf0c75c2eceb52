// The module object's registration and the application name taken from the module file.
#include "platform/module.h"

#include <vector>

namespace platform {
namespace {
CWinApp* g_app = nullptr;

std::wstring ModuleBaseName(HINSTANCE module) {
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return L"";
        if (length < path.size()) {
            std::wstring name(path.data(), length);
            name.erase(0, name.find_last_of(L"\\/") + 1);
            const auto dot = name.find_last_of(L'.');
            if (dot != std::wstring::npos) name.erase(dot);
            return name;
        }
        path.resize(path.size() * 2);  // a long path was cut: try a bigger buffer
    }
}
}  // namespace

CWinApp::CWinApp(const ExchangePrompts& prompts) : m_exchangePrompts(prompts) { g_app = this; }

CWinApp::~CWinApp() {
    if (g_app == this) g_app = nullptr;
}

bool CWinApp::InitInstance(HINSTANCE module) {
    m_hInstance = module;
    m_strAppName = ModuleBaseName(module);
    return true;
}

CWinApp* AfxGetApp() noexcept { return g_app; }

HINSTANCE AfxGetResourceHandle() noexcept {
    if (g_app && g_app->m_hInstance) return g_app->m_hInstance;
    // Before the entry point ran (never for a loaded DLL): the module this code lives in.
    HMODULE self = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&AfxGetResourceHandle), &self);
    return self;
}

}  // namespace platform
