// Name lists: the entries, joined again with '|', give back the host's bytes unchanged; their
// number is CountNames; no entry holds a separator at a character boundary.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/names.h"
#include "fuzz_input.h"

namespace {
bool HasSeparatorAtBoundary(const std::string& entry) {
    for (std::size_t pos = 0; pos < entry.size(); pos += core::GbkCharLength(entry, pos))
        if (entry[pos] == '|') return true;
    return false;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string names(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> entries = core::SplitNames(names);
    FUZZ_CHECK(static_cast<int>(entries.size()) == core::CountNames(names));
    FUZZ_CHECK(!entries.empty());
    std::string joined;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (i) joined += '|';
        joined += entries[i];
        // A lone lead byte may end only the last entry: before a separator it takes it as its pair.
        FUZZ_CHECK(!HasSeparatorAtBoundary(entries[i]));
    }
    FUZZ_CHECK(joined == names);
    for (std::size_t pos = 0; pos < names.size();) {
        const std::size_t length = core::GbkCharLength(names, pos);
        FUZZ_CHECK(length >= 1 && pos + length <= names.size());
        pos += length;
    }
    return 0;
}
