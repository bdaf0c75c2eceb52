// Host strings for the library: the library reads GBK (code page 936) whatever the system's ANSI
// code page is, so the demo converts from UTF-16 with that code page named explicitly.
#pragma once
#include <string>
#include <string_view>

namespace demo {

// Characters GBK lacks become '?'.
std::string ToGbk(std::wstring_view text);

// ASCII and UTF-8 text of the demo's own (argument names, report lines) for the wide APIs.
std::wstring FromUtf8(std::string_view text);

}  // namespace demo
