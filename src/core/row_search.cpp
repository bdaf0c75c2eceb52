#include "core/row_search.h"

#include <cwctype>

namespace core {
namespace {

bool SameIgnoringCase(wchar_t a, wchar_t b) {
    return a == b || std::towlower(static_cast<std::wint_t>(a)) == std::towlower(static_cast<std::wint_t>(b));
}

bool Matches(std::wstring_view row, const RowSearch& search) {
    if (row.size() < search.text.size() || (!search.partial && row.size() != search.text.size())) return false;
    for (std::size_t i = 0; i < search.text.size(); ++i)
        if (!SameIgnoringCase(row[i], search.text[i])) return false;
    return true;
}

}  // namespace

int FindRow(int rows, int start, const RowSearch& search, const std::function<std::wstring(int)>& rowText) {
    if (rows <= 0 || search.text.empty()) return -1;
    if (start < 0 || start >= rows) start = 0;
    for (int row = start; row < rows; ++row)
        if (Matches(rowText(row), search)) return row;
    if (search.wrap)
        for (int row = 0; row < start; ++row)
            if (Matches(rowText(row), search)) return row;
    return -1;
}

}  // namespace core
