// The state server: one COM object per annotated control, asked by the platform for each child's
// PROPID_ACC_STATE with the child's identity string, which the property services decompose.
#include "platform/accessible_state.h"

#include <atomic>
#include <memory>
#include <utility>

#include "platform/prop_services.h"

namespace platform {
namespace {

// IID_IAccPropServer and PROPID_ACC_STATE of oleacc.h, spelt here so that no import library has
// to provide them.
constexpr IID kIAccPropServer{0x76c0dbbb, 0x15e0, 0x4e7b, {0xb6, 0x1b, 0x20, 0xee, 0xea, 0x20, 0x01, 0xe0}};
constexpr MSAAPROPID kStateProperty{0xa8d4d5b0, 0x0a21, 0x42d0, {0xa5, 0xc0, 0x51, 0x4e, 0x98, 0x4f, 0x45, 0x7b}};

class StateServer : public IAccPropServer {
public:
    StateServer(HWND control, IAccPropServices* services, AccessibleStates::StateOf stateOf)
        : m_control(control), m_services(services), m_stateOf(std::move(stateOf)) {
        m_services->AddRef();
    }

    // After this, a question that still arrives (a screen reader's call on its way) gets no state.
    void Detach() { m_stateOf = nullptr; }

    HRESULT WINAPI QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, kIAccPropServer)) return E_NOINTERFACE;
        *out = static_cast<IAccPropServer*>(this);
        AddRef();
        return S_OK;
    }
    ULONG WINAPI AddRef() override { return ++m_references; }
    ULONG WINAPI Release() override {
        const ULONG left = --m_references;
        if (left == 0) delete this;
        return left;
    }

    HRESULT WINAPI GetPropValue(const BYTE* identity, DWORD length, MSAAPROPID property, VARIANT* value,
                                BOOL* hasProperty) override {
        if (!value || !hasProperty) return E_POINTER;
        value->vt = VT_EMPTY;
        *hasProperty = FALSE;
        if (!IsEqualGUID(property, kStateProperty) || !m_stateOf) return S_OK;
        HWND window = nullptr;
        DWORD object = 0, child = 0;
        if (FAILED(m_services->DecomposeHwndIdentityString(identity, length, &window, &object, &child))) return S_OK;
        DWORD state = 0;
        if (window != m_control || object != static_cast<DWORD>(OBJID_CLIENT) || child == CHILDID_SELF ||
            !m_stateOf(child, state))
            return S_OK;
        value->vt = VT_I4;
        value->lVal = static_cast<LONG>(state);
        *hasProperty = TRUE;
        return S_OK;
    }

private:
    virtual ~StateServer() { m_services->Release(); }

    HWND m_control;
    IAccPropServices* m_services;
    AccessibleStates::StateOf m_stateOf;
    std::atomic<ULONG> m_references{1};
};

}  // namespace

struct AccessibleStates::Annotation {
    HWND control;
    PropServices services;  // COM on this thread for as long as the server is annotated
    StateServer* server = nullptr;
};

bool AccessibleStates::Set(HWND control, StateOf stateOf) {
    Clear();
    auto annotation = std::make_unique<Annotation>();
    annotation->control = control;
    IAccPropServices* services = annotation->services.get();
    if (!control || !services) return false;
    annotation->server = new StateServer(control, services, std::move(stateOf));
    const HRESULT set = services->SetHwndPropServer(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                                    &kStateProperty, 1, annotation->server, ANNO_CONTAINER);
    if (FAILED(set)) {
        annotation->server->Release();
        return false;
    }
    m_annotation = annotation.release();
    return true;
}

void AccessibleStates::Clear() {
    if (!m_annotation) return;
    std::unique_ptr<Annotation> annotation(m_annotation);
    m_annotation = nullptr;
    annotation->server->Detach();
    annotation->services.get()->ClearHwndProps(annotation->control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                               &kStateProperty, 1);
    annotation->server->Release();
}

}  // namespace platform
