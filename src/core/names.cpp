// Name-list splitting by GBK character.
#include "core/names.h"

#include <cstring>

namespace core {

std::size_t GbkCharLength(std::string_view text, std::size_t pos) noexcept {
    const bool lead = IsGbkLeadByte(static_cast<unsigned char>(text[pos]));
    return (lead && pos + 1 < text.size()) ? 2 : 1;
}

namespace {
// Calls onEntry(begin, end) for each entry; returns the number of entries.
template <class Char, class OnEntry>
int ForEachName(std::basic_string_view<Char> names, OnEntry onEntry) {
    int count = 0;
    std::size_t start = 0;
    for (std::size_t pos = 0; pos < names.size(); pos += ScanStep(names, pos)) {
        if (names[pos] == Char('|')) {
            onEntry(start, pos);
            ++count;
            start = pos + 1;
        }
    }
    onEntry(start, names.size());
    return count + 1;
}

template <class Char>
std::vector<std::basic_string<Char>> Split(std::basic_string_view<Char> names) {
    std::vector<std::basic_string<Char>> entries;
    ForEachName(names, [&](std::size_t begin, std::size_t end) {
        entries.emplace_back(names.substr(begin, end - begin));
    });
    return entries;
}
}  // namespace

int CountNames(std::string_view names) noexcept {
    return ForEachName(names, [](std::size_t, std::size_t) {});
}

std::vector<std::string> SplitNames(std::string_view names) { return Split(names); }

std::vector<std::wstring> SplitNames(std::wstring_view names) { return Split(names); }

std::string_view HostString(const char* text) noexcept {
    return text ? std::string_view(text, std::strlen(text)) : std::string_view();
}

}  // namespace core
