// Check propagation of the check list.
#include "core/check_states.h"

#include <algorithm>

namespace core {

CheckStates::CheckStates(const int* states, int given, int namedRows)
    : m_entries(static_cast<std::size_t>(std::max(namedRows, 0)) + 2, 0) {
    m_read = states ? std::clamp(given, 0, NamedRowCount() + 1) : 0;
    std::copy(states, states + m_read, m_entries.begin());
}

void CheckStates::Press(int row) {
    const int value = IsChecked(row) ? 0 : 1;
    Entry(row) = value;
    if (row == SelectAllRow()) {
        for (int named = 0; named < NamedRowCount(); ++named) Entry(named) = value;
    } else {
        Entry(SelectAllRow()) = AllNamedRowsChecked() ? 1 : 0;
    }
}

bool CheckStates::AllNamedRowsChecked() const {
    for (int row = 0; row < NamedRowCount(); ++row)
        if (!IsChecked(row)) return false;
    return true;
}

void CheckStates::CopyOut(int* out) const { std::copy(m_entries.begin(), m_entries.begin() + m_read, out); }

}  // namespace core
