// The width of a text as a device context draws it, in the font selected into it.
#pragma once
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "core/fit_text.h"

namespace platform {

inline int TextWidth(HDC dc, std::wstring_view text) {
    SIZE size{};
    GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size);
    return size.cx;
}

// The width of the widest of the first `count` texts in the DC's font. Measured a few thousand
// characters at a time (GetTextExtentExPointW gives the extent after each character): one call
// per text costs more than the list's whole fill of 10,000 rows.
inline int WidestText(HDC dc, const std::vector<std::wstring>& texts, int count) {
    return core::WidestText(
        texts, count,
        [dc](std::wstring_view run, std::vector<int>& extents) {
            SIZE size{};
            GetTextExtentExPointW(dc, run.data(), static_cast<int>(run.size()), 0, nullptr, extents.data(), &size);
        },
        [dc](std::wstring_view text) { return TextWidth(dc, text); });
}

}  // namespace platform
