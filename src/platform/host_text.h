// How the library reads the host's texts: GBK, possibly null, and name lists split by GBK
// character before each entry is decoded.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// A host's text, which may be null (an empty text).
std::wstring HostText(const char* gbk);
// A GBK name list ("a|b|c"), split by GBK character and decoded entry by entry.
std::vector<std::wstring> SplitGbkNames(std::string_view gbk);

}  // namespace platform
