// Finding a row by its text, as a list does when the user types the start of a name: the list
// asks its owner when the owner keeps the rows.
#pragma once
#include <functional>
#include <string>
#include <string_view>

namespace core {

struct RowSearch {
    std::wstring_view text;
    bool partial = true;  // the row's text starts with `text`; otherwise equals it
    bool wrap = true;     // past the last row the search goes on from the first
};

// The first row from `start` on (rows before it too when wrapping) whose text matches, case
// ignored; -1 when none does, when there are no rows or when the text is empty. A start outside
// the rows begins at the first.
int FindRow(int rows, int start, const RowSearch& search, const std::function<std::wstring(int)>& rowText);

}  // namespace core
