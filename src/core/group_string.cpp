// Group string scanning by character, in one pass.
#include "core/group_string.h"

#include "core/names.h"

namespace core {
namespace {
template <class Char>
std::vector<std::basic_string<Char>> Groups(std::basic_string_view<Char> groups) {
    std::vector<std::basic_string<Char>> found;
    bool inside = false;
    std::size_t start = 0;
    for (std::size_t pos = 0; pos < groups.size(); pos += ScanStep(groups, pos)) {
        const Char c = groups[pos];
        if (!inside && c == Char('{')) {
            inside = true;
            start = pos + 1;
        } else if (inside && c == Char('}')) {
            inside = false;
            found.emplace_back(groups.substr(start, pos - start));
        }
    }
    return found;
}
}  // namespace

std::vector<std::string> ParseGroups(std::string_view groups) { return Groups(groups); }

std::vector<std::wstring> ParseGroups(std::wstring_view groups) { return Groups(groups); }

}  // namespace core
