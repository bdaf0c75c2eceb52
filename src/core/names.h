// Name lists: the host packs item names into one GBK string separated by "|".
// Splitting walks GBK characters, so a trail byte 0x7C of a double-byte character never separates.
// The library's own lists have the same form in UTF-16.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace core {

// True for a GBK lead byte (0x81-0xFE): it and the byte after it form one character.
constexpr bool IsGbkLeadByte(unsigned char c) noexcept { return c >= 0x81 && c <= 0xFE; }

// Length in bytes of the GBK character starting at text[pos]; a lead byte at the very end
// stands alone, so nothing past the string is ever read.
std::size_t GbkCharLength(std::string_view text, std::size_t pos) noexcept;

// How far a scan for the ASCII separators "|", "{" and "}" steps from text[pos]: a whole GBK
// character; one code unit in UTF-16, where no unit of another character equals them.
inline std::size_t ScanStep(std::string_view text, std::size_t pos) noexcept { return GbkCharLength(text, pos); }
constexpr std::size_t ScanStep(std::wstring_view /*text*/, std::size_t /*pos*/) noexcept { return 1; }

// Number of entries: separators + 1, so an empty string is one empty entry.
int CountNames(std::string_view names) noexcept;

// The entries in order, unchanged (no trimming); empty entries are entries.
std::vector<std::string> SplitNames(std::string_view names);
// The same for a list of the library's own, already in UTF-16.
std::vector<std::wstring> SplitNames(std::wstring_view names);

// Reads a host string that may be null: a null pointer is an empty string.
std::string_view HostString(const char* text) noexcept;

}  // namespace core
