// Conversions with the code page named: 936 for the library's strings, UTF-8 for the demo's own.
#include "gbk_text.h"

#include <windows.h>

namespace demo {
namespace {

constexpr UINT kGbkCodePage = 936;

}  // namespace

std::string ToGbk(std::wstring_view text) {
    if (text.empty()) return {};
    const int length = static_cast<int>(text.size());
    const int bytes = WideCharToMultiByte(kGbkCodePage, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0) return {};
    std::string gbk(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(kGbkCodePage, 0, text.data(), length, gbk.data(), bytes, nullptr, nullptr);
    return gbk;
}

std::wstring FromUtf8(std::string_view text) {
    if (text.empty()) return {};
    const int length = static_cast<int>(text.size());
    const int chars = MultiByteToWideChar(CP_UTF8, 0, text.data(), length, nullptr, 0);
    if (chars <= 0) return {};
    std::wstring wide(static_cast<std::size_t>(chars), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), length, wide.data(), chars);
    return wide;
}

}  // namespace demo
