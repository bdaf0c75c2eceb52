// Host strings for the library: the library reads GBK (code page 936) whatever the system's ANSI
// code page is, so the demo converts with that code page named, through the library's own
// conversion source (compiled into the demo too).
#pragma once
#include <windows.h>

#include <string>
#include <string_view>

#include "platform/gbk_text.h"

namespace demo {

using platform::ToGbk;

// ASCII and UTF-8 text of the demo's own (argument names, report lines) for the wide APIs.
inline std::wstring FromUtf8(std::string_view text) { return platform::Decode(CP_UTF8, text); }

}  // namespace demo
