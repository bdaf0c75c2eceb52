// Names a screen reader reads for controls whose label the platform cannot find itself: it takes
// the static text right before a nameless control, and the templates put each label after its
// control. The names go through the platform's dynamic annotation (oleacc's property services),
// found at run time so that the library imports no DLL it did not import before.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace platform {

// The text of the static text control that follows `control` among its siblings (its label, in
// a template that puts the label after the control); empty when the next sibling is none.
std::wstring FollowingLabel(HWND control);

class AccessibleNames {
public:
    struct Name {
        HWND control;
        std::wstring text;
    };

    AccessibleNames() = default;
    AccessibleNames(const AccessibleNames&) = delete;
    AccessibleNames& operator=(const AccessibleNames&) = delete;

    // Gives each control's client object its name; an empty text gives none. False when the
    // platform has no property services or refused a name: those controls keep the names the
    // platform finds itself.
    bool Set(const std::vector<Name>& names);
    // Takes back every name Set gave. Called while the windows still exist: an annotation is
    // kept for its window's handle, not with the window.
    void Clear();

private:
    std::vector<HWND> m_named;
};

}  // namespace platform
