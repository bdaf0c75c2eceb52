// GBK <-> UTF-16 through the platform's code page 936 tables.
#include "platform/gbk_text.h"

#include <windows.h>

#include <climits>

namespace platform {

std::wstring FromGbk(std::string_view gbk) {
    if (gbk.empty() || gbk.size() > INT_MAX) return {};
    const int size = static_cast<int>(gbk.size());
    const int wide = MultiByteToWideChar(kGbkCodePage, 0, gbk.data(), size, nullptr, 0);
    if (wide <= 0) return {};
    std::wstring text(static_cast<std::size_t>(wide), L'\0');
    MultiByteToWideChar(kGbkCodePage, 0, gbk.data(), size, text.data(), wide);
    return text;
}

std::string ToGbk(std::wstring_view text) {
    if (text.empty() || text.size() > INT_MAX) return {};
    const int size = static_cast<int>(text.size());
    const int bytes = WideCharToMultiByte(kGbkCodePage, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0) return {};
    std::string gbk(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(kGbkCodePage, 0, text.data(), size, gbk.data(), bytes, nullptr, nullptr);
    return gbk;
}

std::vector<std::wstring> FromGbk(const std::vector<std::string>& gbk) {
    std::vector<std::wstring> text;
    text.reserve(gbk.size());
    for (const auto& entry : gbk) text.push_back(FromGbk(entry));
    return text;
}

}  // namespace platform
