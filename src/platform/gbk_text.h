// The one place where host text crosses between GBK (code page 936) and UTF-16. The code page is
// named explicitly, so Chinese reads right whatever the system's ANSI code page is.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace platform {

constexpr unsigned kGbkCodePage = 936;

std::wstring FromGbk(std::string_view gbk);
std::string ToGbk(std::wstring_view text);
std::vector<std::wstring> FromGbk(const std::vector<std::string>& gbk);

}  // namespace platform
