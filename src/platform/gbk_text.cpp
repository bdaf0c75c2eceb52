// Code page <-> UTF-16 through the platform's conversion tables.
#include "platform/gbk_text.h"

#include <windows.h>

#include <climits>

namespace platform {

std::wstring Decode(unsigned codePage, std::string_view bytes) {
    if (bytes.empty() || bytes.size() > INT_MAX) return {};
    const int size = static_cast<int>(bytes.size());
    const int wide = MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
    if (wide <= 0) return {};
    std::wstring text(static_cast<std::size_t>(wide), L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), size, text.data(), wide);
    return text;
}

std::string Encode(unsigned codePage, std::wstring_view text) {
    if (text.empty() || text.size() > INT_MAX) return {};
    const int size = static_cast<int>(text.size());
    const int bytes = WideCharToMultiByte(codePage, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0) return {};
    std::string encoded(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(codePage, 0, text.data(), size, encoded.data(), bytes, nullptr, nullptr);
    return encoded;
}

std::vector<std::wstring> FromGbk(const std::vector<std::string>& gbk) {
    std::vector<std::wstring> text;
    text.reserve(gbk.size());
    for (const auto& entry : gbk) text.push_back(FromGbk(entry));
    return text;
}

}  // namespace platform
