// Stands in for the platform's accessibility property services while it lives: registered as
// their class object in the calling thread's apartment, it records every name the library gives
// a window, every property server it annotates and every annotation it clears, so that they can
// be checked where the platform itself keeps no annotations (Wine answers E_NOTIMPL). A server is
// held until its annotation is cleared, as the platform holds it, and can be asked what it
// answers for a child.
#pragma once
#include <windows.h>

#include <oleacc.h>

#include <optional>
#include <string>
#include <vector>

class PropServicesRecorder {
public:
    struct Named {
        HWND control;
        DWORD object;
        DWORD child;
        bool nameProperty;  // PROPID_ACC_NAME
        std::wstring text;
    };
    struct Served {
        HWND control;
        DWORD object;
        DWORD child;
        std::vector<bool> stateProperty;  // each property served: PROPID_ACC_STATE or not
        AnnoScope scope;
    };
    struct Cleared {
        HWND control;
        DWORD object;
        DWORD child;
        std::vector<bool> nameProperty;   // each property cleared: PROPID_ACC_NAME or not
        std::vector<bool> stateProperty;  // and PROPID_ACC_STATE or not
        bool windowExisted;               // the window was still there
    };

    // Registers with COM, which the calling thread must have initialised.
    PropServicesRecorder();
    ~PropServicesRecorder();
    PropServicesRecorder(const PropServicesRecorder&) = delete;
    PropServicesRecorder& operator=(const PropServicesRecorder&) = delete;

    HRESULT Registration() const { return m_registration; }
    const std::vector<Named>& NamesSet() const { return m_named; }
    const std::vector<Served>& ServersSet() const { return m_served; }
    const std::vector<Cleared>& AnnotationsCleared() const { return m_cleared; }
    // Asks the server annotated for `control`'s children what PROPID_ACC_STATE of `child` is:
    // nothing when no server is annotated or it has no state for the child. Call on the thread
    // that runs the control.
    std::optional<DWORD> StateOf(HWND control, DWORD child) const;
    // Annotated servers not yet cleared.
    std::size_t ServersHeld() const { return m_servers.size(); }
    // Services handed out and not yet released.
    long LiveServices() const { return m_live; }

    // What the services record through.
    void OnNamed(Named named) { m_named.push_back(std::move(named)); }
    void OnServed(Served served, IAccPropServer* server);
    void OnCleared(Cleared cleared);
    void OnCreated() { ++m_live; }
    void OnReleased() { --m_live; }

private:
    HRESULT m_registration = E_FAIL;
    DWORD m_cookie = 0;
    void* m_factory = nullptr;
    std::vector<Named> m_named;
    std::vector<Served> m_served;
    std::vector<Cleared> m_cleared;
    struct HeldServer {
        HWND control;
        IAccPropServer* server;  // one reference, released when the annotation is cleared
    };
    std::vector<HeldServer> m_servers;
    long m_live = 0;
};
