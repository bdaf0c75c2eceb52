// The checks of a check list, numbered like its name list: entry 0 belongs to the heading and is
// never shown, entries 1 to rows belong to the named rows, and one more entry to the select-all
// row at the end. Presses on a check box propagate between the rows and the select-all row.
#pragma once
#include <vector>

namespace core {

class CheckStates {
public:
    CheckStates() = default;
    // namedRows: the rows named by the list. Reads the caller's first entries, as many as it gave
    // (`given`) but no more than the heading's and the named rows' (namedRows + 1); a null array
    // gives none. Entries it did not read, and the select-all entry, start unchecked.
    CheckStates(const int* states, int given, int namedRows);

    int NamedRowCount() const noexcept { return static_cast<int>(m_entries.size()) - 2; }
    int RowCount() const noexcept { return NamedRowCount() + 1; }  // the select-all row included
    int SelectAllRow() const noexcept { return NamedRowCount(); }

    // 0 <= row < RowCount(); any nonzero entry is checked.
    bool IsChecked(int row) const { return Entry(row) != 0; }

    // A press on the check box of `row`: flips it. The select-all row sets every row to its new
    // value; any other row checks the select-all row exactly when all named rows are checked.
    // Writes only 0 and 1; entries no press reaches keep the caller's values.
    void Press(int row);

    // The entries read from the caller, in its numbering: never more than it gave, never the
    // select-all entry.
    int ReadCount() const noexcept { return m_read; }
    void CopyOut(int* out) const;

private:
    int& Entry(int row) { return m_entries[static_cast<std::size_t>(row) + 1]; }
    int Entry(int row) const { return m_entries[static_cast<std::size_t>(row) + 1]; }
    bool AllNamedRowsChecked() const;

    std::vector<int> m_entries = std::vector<int>(2, 0);
    int m_read = 0;
};

}  // namespace core
