// The one place where text crosses between a code page and UTF-16. Host text is GBK (code page
// 936), named explicitly, so Chinese reads right whatever the system's ANSI code page is.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace platform {

constexpr unsigned kGbkCodePage = 936;

std::wstring Decode(unsigned codePage, std::string_view bytes);
// Characters the code page lacks become its default character.
std::string Encode(unsigned codePage, std::wstring_view text);

inline std::wstring FromGbk(std::string_view gbk) { return Decode(kGbkCodePage, gbk); }
inline std::string ToGbk(std::wstring_view text) { return Encode(kGbkCodePage, text); }
std::vector<std::wstring> FromGbk(const std::vector<std::string>& gbk);

}  // namespace platform
