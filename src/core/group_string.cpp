// Group string scanning by GBK character, in one pass.
#include "core/group_string.h"

#include "core/names.h"

namespace core {

std::vector<std::string> ParseGroups(std::string_view groups) {
    std::vector<std::string> found;
    bool inside = false;
    std::size_t start = 0;
    for (std::size_t pos = 0; pos < groups.size(); pos += GbkCharLength(groups, pos)) {
        const char c = groups[pos];
        if (!inside && c == '{') {
            inside = true;
            start = pos + 1;
        } else if (inside && c == '}') {
            inside = false;
            found.emplace_back(groups.substr(start, pos - start));
        }
    }
    return found;
}

}  // namespace core
