// The platform's accessibility property services (oleacc's dynamic annotation), with COM on the
// calling thread for as long as they are held and ole32 loaded for them and given back after:
// found at run time so that the library imports no DLL it did not import before.
#pragma once
#include <windows.h>
#include <ole2.h>
#include <oleacc.h>

namespace platform {

// CLSID_AccPropServices and IID_IAccPropServices of oleacc.h, spelt here so that no import
// library has to provide them.
constexpr CLSID kAccPropServices{0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
constexpr IID kIAccPropServices{0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};

using CoInitializeExFn = HRESULT(WINAPI*)(LPVOID, DWORD);
using CoCreateInstanceFn = HRESULT(WINAPI*)(REFCLSID, LPUNKNOWN, DWORD, REFIID, LPVOID*);
using CoUninitializeFn = void(WINAPI*)();

template <class F>
inline F ComProc(HMODULE module, const char* name) {
    return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

// The property services while the object lives. COM is initialised only as far as the thread needs it:
// a call the platform answered with S_OK or S_FALSE is balanced on the way out; a thread in the
// host's multithreaded apartment (RPC_E_CHANGED_MODE) uses that apartment and leaves it alone.
class PropServices {
public:
    PropServices() : m_ole32(LoadLibraryW(L"ole32.dll")) {
        if (!m_ole32) return;
        const auto initialize = ComProc<CoInitializeExFn>(m_ole32, "CoInitializeEx");
        const auto create = ComProc<CoCreateInstanceFn>(m_ole32, "CoCreateInstance");
        m_uninitialize = ComProc<CoUninitializeFn>(m_ole32, "CoUninitialize");
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

}  // namespace platform
