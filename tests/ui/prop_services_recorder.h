// Stands in for the platform's accessibility property services while it lives: registered as
// their class object in the calling thread's apartment, it records every name the library gives
// a window and every annotation it clears, so that the names can be checked where the platform
// itself keeps no annotations (Wine answers E_NOTIMPL).
#pragma once
#include <windows.h>

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
    struct Cleared {
        HWND control;
        DWORD object;
        DWORD child;
        std::vector<bool> nameProperty;  // each property cleared: PROPID_ACC_NAME or not
        bool windowExisted;              // the window was still there
    };

    // Registers with COM, which the calling thread must have initialised.
    PropServicesRecorder();
    ~PropServicesRecorder();
    PropServicesRecorder(const PropServicesRecorder&) = delete;
    PropServicesRecorder& operator=(const PropServicesRecorder&) = delete;

    HRESULT Registration() const { return m_registration; }
    const std::vector<Named>& NamesSet() const { return m_named; }
    const std::vector<Cleared>& NamesCleared() const { return m_cleared; }
    // Services handed out and not yet released.
    long LiveServices() const { return m_live; }

    // What the services record through.
    void OnNamed(Named named) { m_named.push_back(std::move(named)); }
    void OnCleared(Cleared cleared) { m_cleared.push_back(std::move(cleared)); }
    void OnCreated() { ++m_live; }
    void OnReleased() { --m_live; }

private:
    HRESULT m_registration = E_FAIL;
    DWORD m_cookie = 0;
    void* m_factory = nullptr;
    std::vector<Named> m_named;
    std::vector<Cleared> m_cleared;
    long m_live = 0;
};
