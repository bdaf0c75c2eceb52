// The width of a text as a device context draws it, in the font selected into it.
#pragma once
#include <windows.h>

#include <string_view>

namespace platform {

inline int TextWidth(HDC dc, std::wstring_view text) {
    SIZE size{};
    GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size);
    return size.cx;
}

}  // namespace platform
