// Dynamic annotation of names: the property services for the length of one call.
#include "platform/accessible_name.h"

#include "platform/prop_services.h"
#include "platform/wnd.h"

namespace platform {
namespace {

// PROPID_ACC_NAME of oleacc.h, spelt here so that no import library has to provide it.
constexpr MSAAPROPID kNameProperty{0x608d3df8, 0x8128, 0x4aa7, {0xa4, 0x28, 0xf5, 0x5e, 0x49, 0x26, 0x72, 0x91}};

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
