// States a screen reader reads for the items of a control whose platform proxy cannot tell them
// (the check tree's three marks, which it draws as state images): a property server annotated
// on the control's client object for its children answers PROPID_ACC_STATE item by item, through
// the platform's dynamic annotation.
#pragma once
#include <windows.h>

#include <functional>

namespace platform {

class AccessibleStates {
public:
    // The whole state of the child with this accessibility id, as the platform's proxy would
    // report it with the control's own part added; false leaves the proxy's own state.
    using StateOf = std::function<bool(DWORD child, DWORD& state)>;

    AccessibleStates() = default;
    ~AccessibleStates() { Clear(); }
    AccessibleStates(const AccessibleStates&) = delete;
    AccessibleStates& operator=(const AccessibleStates&) = delete;

    // Annotates the children of `control`; COM stays initialised on this thread until Clear, so
    // that a screen reader's questions reach the server through the thread's message loop. False
    // when the platform has no property services or refused the server.
    bool Set(HWND control, StateOf stateOf);
    // Takes the annotation back, while the window still exists: it is kept for the window's
    // handle, not with the window.
    void Clear();
    bool IsSet() const noexcept { return m_annotation != nullptr; }

private:
    struct Annotation;
    Annotation* m_annotation = nullptr;
};

}  // namespace platform
