// The recording property services and their class object. Only the calls the library makes for
// names and states do anything; the rest answer E_NOTIMPL as the platform's own do under Wine.
// An identity string is the window, object and child ids, as the platform's is for a window.
#include "prop_services_recorder.h"

#include <ole2.h>
#include <oleacc.h>

namespace {

struct Identity {
    HWND window;
    DWORD object;
    DWORD child;
};

std::vector<bool> PropertiesAre(const MSAAPROPID* properties, int count, const MSAAPROPID& which) {
    std::vector<bool> are;
    for (int i = 0; properties && i < count; ++i) are.push_back(IsEqualGUID(properties[i], which) != FALSE);
    return are;
}

class RecordingServices : public IAccPropServices {
public:
    explicit RecordingServices(PropServicesRecorder& recorder) : m_recorder(recorder) { m_recorder.OnCreated(); }

    HRESULT WINAPI QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IAccPropServices)) return E_NOINTERFACE;
        *out = static_cast<IAccPropServices*>(this);
        AddRef();
        return S_OK;
    }
    ULONG WINAPI AddRef() override { return ++m_references; }
    ULONG WINAPI Release() override {
        const ULONG left = --m_references;
        if (left == 0) {
            m_recorder.OnReleased();
            delete this;
        }
        return left;
    }

    HRESULT WINAPI SetHwndPropStr(HWND hwnd, DWORD object, DWORD child, MSAAPROPID property, LPCWSTR text) override {
        m_recorder.OnNamed({hwnd, object, child, IsEqualGUID(property, PROPID_ACC_NAME) != FALSE, text ? text : L""});
        return S_OK;
    }
    HRESULT WINAPI ClearHwndProps(HWND hwnd, DWORD object, DWORD child, const MSAAPROPID* properties,
                                  int count) override {
        m_recorder.OnCleared({hwnd, object, child, PropertiesAre(properties, count, PROPID_ACC_NAME),
                              PropertiesAre(properties, count, PROPID_ACC_STATE), IsWindow(hwnd) != FALSE});
        return S_OK;
    }

    HRESULT WINAPI SetPropValue(const BYTE*, DWORD, MSAAPROPID, VARIANT) override { return E_NOTIMPL; }
    HRESULT WINAPI SetPropServer(const BYTE*, DWORD, const MSAAPROPID*, int, IAccPropServer*, AnnoScope) override {
        return E_NOTIMPL;
    }
    HRESULT WINAPI ClearProps(const BYTE*, DWORD, const MSAAPROPID*, int) override { return E_NOTIMPL; }
    HRESULT WINAPI SetHwndProp(HWND, DWORD, DWORD, MSAAPROPID, VARIANT) override { return E_NOTIMPL; }
    HRESULT WINAPI SetHwndPropServer(HWND hwnd, DWORD object, DWORD child, const MSAAPROPID* properties, int count,
                                     IAccPropServer* server, AnnoScope scope) override {
        if (!server) return E_INVALIDARG;
        m_recorder.OnServed({hwnd, object, child, PropertiesAre(properties, count, PROPID_ACC_STATE), scope}, server);
        return S_OK;
    }
    HRESULT WINAPI ComposeHwndIdentityString(HWND hwnd, DWORD object, DWORD child, BYTE** identity,
                                             DWORD* length) override {
        if (!identity || !length) return E_POINTER;
        auto* composed = static_cast<Identity*>(CoTaskMemAlloc(sizeof(Identity)));
        if (!composed) return E_OUTOFMEMORY;
        *composed = Identity{hwnd, object, child};
        *identity = reinterpret_cast<BYTE*>(composed);
        *length = sizeof(Identity);
        return S_OK;
    }
    HRESULT WINAPI DecomposeHwndIdentityString(const BYTE* identity, DWORD length, HWND* hwnd, DWORD* object,
                                               DWORD* child) override {
        if (!identity || length != sizeof(Identity) || !hwnd || !object || !child) return E_INVALIDARG;
        Identity decomposed{};
        CopyMemory(&decomposed, identity, sizeof decomposed);
        *hwnd = decomposed.window;
        *object = decomposed.object;
        *child = decomposed.child;
        return S_OK;
    }
    HRESULT WINAPI SetHmenuProp(HMENU, DWORD, MSAAPROPID, VARIANT) override { return E_NOTIMPL; }
    HRESULT WINAPI SetHmenuPropStr(HMENU, DWORD, MSAAPROPID, LPCWSTR) override { return E_NOTIMPL; }
    HRESULT WINAPI SetHmenuPropServer(HMENU, DWORD, const MSAAPROPID*, int, IAccPropServer*, AnnoScope) override {
        return E_NOTIMPL;
    }
    HRESULT WINAPI ClearHmenuProps(HMENU, DWORD, const MSAAPROPID*, int) override { return E_NOTIMPL; }
    HRESULT WINAPI ComposeHmenuIdentityString(HMENU, DWORD, BYTE**, DWORD*) override { return E_NOTIMPL; }
    HRESULT WINAPI DecomposeHmenuIdentityString(const BYTE*, DWORD, HMENU*, DWORD*) override { return E_NOTIMPL; }

private:
    virtual ~RecordingServices() = default;

    PropServicesRecorder& m_recorder;
    ULONG m_references = 1;
};

// Lives as long as the recorder; COM's references to it do not decide its life.
class Factory : public IClassFactory {
public:
    explicit Factory(PropServicesRecorder& recorder) : m_recorder(recorder) {}
    virtual ~Factory() = default;

    HRESULT WINAPI QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IClassFactory)) return E_NOINTERFACE;
        *out = static_cast<IClassFactory*>(this);
        return S_OK;
    }
    ULONG WINAPI AddRef() override { return 2; }
    ULONG WINAPI Release() override { return 1; }
    HRESULT WINAPI CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
        if (outer) return CLASS_E_NOAGGREGATION;
        auto* services = new RecordingServices(m_recorder);
        const HRESULT result = services->QueryInterface(iid, out);
        services->Release();
        return result;
    }
    HRESULT WINAPI LockServer(BOOL) override { return S_OK; }

private:
    PropServicesRecorder& m_recorder;
};

}  // namespace

PropServicesRecorder::PropServicesRecorder() {
    auto* factory = new Factory(*this);
    m_factory = factory;
    m_registration = CoRegisterClassObject(CLSID_AccPropServices, static_cast<IClassFactory*>(factory),
                                           CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &m_cookie);
}

PropServicesRecorder::~PropServicesRecorder() {
    for (const HeldServer& held : m_servers) held.server->Release();
    if (SUCCEEDED(m_registration)) CoRevokeClassObject(m_cookie);
    delete static_cast<Factory*>(m_factory);
}

void PropServicesRecorder::OnServed(Served served, IAccPropServer* server) {
    server->AddRef();
    m_servers.push_back({served.control, server});
    m_served.push_back(std::move(served));
}

void PropServicesRecorder::OnCleared(Cleared cleared) {
    for (auto held = m_servers.begin(); held != m_servers.end();) {
        if (held->control == cleared.control) {
            held->server->Release();
            held = m_servers.erase(held);
        } else {
            ++held;
        }
    }
    m_cleared.push_back(std::move(cleared));
}

std::optional<DWORD> PropServicesRecorder::StateOf(HWND control, DWORD child) const {
    for (const HeldServer& held : m_servers) {
        if (held.control != control) continue;
        const Identity identity{control, static_cast<DWORD>(OBJID_CLIENT), child};
        VARIANT value;
        VariantInit(&value);
        BOOL has = FALSE;
        const HRESULT asked = held.server->GetPropValue(reinterpret_cast<const BYTE*>(&identity), sizeof identity,
                                                        PROPID_ACC_STATE, &value, &has);
        if (FAILED(asked) || !has || value.vt != VT_I4) return std::nullopt;
        return static_cast<DWORD>(value.lVal);
    }
    return std::nullopt;
}
