// Dynamic annotation of names: COM on the calling thread for the length of one call, the
// property services created and released in it, ole32 loaded for it and given back after.
#include "platform/accessible_name.h"

#include <ole2.h>
#include <oleacc.h>

#include "platform/wnd.h"

namespace platform {
namespace {

// CLSID_AccPropServices, IID_IAccPropServices and PROPID_ACC_NAME of oleacc.h, spelt here so that
// no import library has to provide them.
constexpr CLSID kAccPropServices{0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
constexpr IID kIAccPropServices{0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};
constexpr MSAAPROPID kNameProperty{0x608d3df8, 0x8128, 0x4aa7, {0xa4, 0x28, 0xf5, 0x5e, 0x49, 0x26, 0x72, 0x91}};

using CoInitializeExFn = HRESULT(WINAPI*)(LPVOID, DWORD);
using CoCreateInstanceFn = HRESULT(WINAPI*)(REFCLSID, LPUNKNOWN, DWORD, REFIID, LPVOID*);
using CoUninitializeFn = void(WINAPI*)();

template <class F>
F Proc(HMODULE module, const char* name) {
    return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

// The property services for one call. COM is initialised only as far as the thread needs it:
// a call the platform answered with S_OK or S_FALSE is balanced on the way out; a thread in the
// host's multithreaded apartment (RPC_E_CHANGED_MODE) uses that apartment and leaves it alone.
class PropServices {
public:
    PropServices() : m_ole32(LoadLibraryW(L"ole32.dll")) {
        if (!m_ole32) return;
        const auto initialize = Proc<CoInitializeExFn>(m_ole32, "CoInitializeEx");
        const auto create = Proc<CoCreateInstanceFn>(m_ole32, "CoCreateInstance");
        m_uninitialize = Proc<CoUninitializeFn>(m_ole32, "CoUninitialize");
        if (!initialize || !create || !m_uninitialize) return;
        const HRESULT initialized = initialize(nullptr, COINIT_APARTMENTTHREADED);
        m_balance = initialized == S_OK || initialized == S_FALSE;
        if (!m_balance && initialized != RPC_E_CHANGED_MODE) return;
        void* services = nullptr;
        if (SUCCEEDED(create(kAccPropServices, nullptr, CLSCTX_INPROC_SERVER, kIAccPropServices, &services)))
            m_services = static_cast<IAccPropServices*>(services);
    }
    ~PropServices() {
        if (m_services) m_services->Release();
        if (m_balance) m_uninitialize();
        if (m_ole32) FreeLibrary(m_ole32);
    }
    PropServices(const PropServices&) = delete;
    PropServices& operator=(const PropServices&) = delete;

    IAccPropServices* get() const noexcept { return m_services; }

private:
    HMODULE m_ole32;
    CoUninitializeFn m_uninitialize = nullptr;
    bool m_balance = false;
    IAccPropServices* m_services = nullptr;
};

bool IsTextStatic(HWND window) {
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    if (lstrcmpiW(className, L"Static") != 0) return false;
    switch (GetWindowLongPtrW(window, GWL_STYLE) & SS_TYPEMASK) {
    case SS_LEFT:
    case SS_CENTER:
    case SS_RIGHT:
    case SS_SIMPLE:
    case SS_LEFTNOWORDWRAP: return true;
    default: return false;  // icons, bitmaps, frames: no label
    }
}

}  // namespace

std::wstring FollowingLabel(HWND control) {
    HWND next = GetWindow(control, GW_HWNDNEXT);
    return next && IsTextStatic(next) ? WindowText(next) : std::wstring();
}

bool AccessibleNames::Set(const std::vector<Name>& names) {
    const PropServices services;
    if (!services.get()) return false;
    bool all = true;
    for (const Name& name : names) {
        if (name.text.empty()) continue;  // an empty name would hide the one the platform finds
        const bool named =
            name.control && SUCCEEDED(services.get()->SetHwndPropStr(name.control, static_cast<DWORD>(OBJID_CLIENT),
                                                                    CHILDID_SELF, kNameProperty, name.text.c_str()));
        if (named) m_named.push_back(name.control);
        all = all && named;
    }
    return all;
}

void AccessibleNames::Clear() {
    if (m_named.empty()) return;
    const PropServices services;
    if (services.get())
        for (HWND control : m_named)
            services.get()->ClearHwndProps(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, &kNameProperty, 1);
    m_named.clear();
}

}  // namespace platform
