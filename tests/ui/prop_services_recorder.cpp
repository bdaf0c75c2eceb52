// The recording property services and their class object. Only the two calls the library makes
// for names do anything; the rest answer E_NOTIMPL as the platform's own do under Wine.
#include "prop_services_recorder.h"

#include <ole2.h>
#include <oleacc.h>

namespace {

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
        PropServicesRecorder::Cleared cleared{hwnd, object, child, {}, IsWindow(hwnd) != FALSE};
        for (int i = 0; properties && i < count; ++i)
            cleared.nameProperty.push_back(IsEqualGUID(properties[i], PROPID_ACC_NAME) != FALSE);
        m_recorder.OnCleared(cleared);
        return S_OK;
    }

    HRESULT WINAPI SetPropValue(const BYTE*, DWORD, MSAAPROPID, VARIANT) override { return E_NOTIMPL; }
    HRESULT WINAPI SetPropServer(const BYTE*, DWORD, const MSAAPROPID*, int, IAccPropServer*, AnnoScope) override {
        return E_NOTIMPL;
    }
    HRESULT WINAPI ClearProps(const BYTE*, DWORD, const MSAAPROPID*, int) override { return E_NOTIMPL; }
    HRESULT WINAPI SetHwndProp(HWND, DWORD, DWORD, MSAAPROPID, VARIANT) override { return E_NOTIMPL; }
    HRESULT WINAPI SetHwndPropServer(HWND, DWORD, DWORD, const MSAAPROPID*, int, IAccPropServer*, AnnoScope) override {
        return E_NOTIMPL;
    }
    HRESULT WINAPI ComposeHwndIdentityString(HWND, DWORD, DWORD, BYTE**, DWORD*) override { return E_NOTIMPL; }
    HRESULT WINAPI DecomposeHwndIdentityString(const BYTE*, DWORD, HWND*, DWORD*, DWORD*) override { return E_NOTIMPL; }
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
    if (SUCCEEDED(m_registration)) CoRevokeClassObject(m_cookie);
    delete static_cast<Factory*>(m_factory);
}
