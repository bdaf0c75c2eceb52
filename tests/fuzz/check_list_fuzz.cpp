// A check list pressed in any order: select-all is checked exactly when all named rows are (when
// there are any),
// presses write only 0 and 1, and nothing is read or handed back beyond what the caller gave.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/check_states.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    const int namedRows = in.Small(40) - 2;  // a few negative counts too
    const int given = in.Small(50) - 2;
    std::vector<int> host(static_cast<std::size_t>(given > 0 ? given : 0));
    for (int& v : host) v = in.Small(3) - 1;
    core::CheckStates states(host.empty() ? nullptr : host.data(), given, namedRows);
    FUZZ_CHECK(states.ReadCount() <= static_cast<int>(host.size()));
    FUZZ_CHECK(states.NamedRowCount() == (namedRows > 0 ? namedRows : 0));
    bool pressedAny = false;
    while (!in.Empty()) {
        const int row = in.Small(60);
        if (row >= states.RowCount()) continue;
        states.Press(row);
        pressedAny = true;
        if (states.NamedRowCount() == 0) continue;  // select-all alone has nothing to follow
        bool all = true;
        for (int r = 0; r < states.NamedRowCount(); ++r) all = all && states.IsChecked(r);
        FUZZ_CHECK(states.IsChecked(states.SelectAllRow()) == all);
    }
    // Handed back into an array with room to spare: only the entries read are written.
    std::vector<int> out(host.size() + 8, 77);
    states.CopyOut(out.data());
    for (std::size_t i = static_cast<std::size_t>(states.ReadCount()); i < out.size(); ++i) FUZZ_CHECK(out[i] == 77);
    if (pressedAny)
        for (int i = 1; i < states.ReadCount(); ++i)
            FUZZ_CHECK(out[static_cast<std::size_t>(i)] == host[static_cast<std::size_t>(i)] || out[static_cast<std::size_t>(i)] == 0 ||
                       out[static_cast<std::size_t>(i)] == 1);
    if (states.ReadCount() > 0) FUZZ_CHECK(out[0] == host[0]);  // the heading's entry is never pressed
    return 0;
}
