// Which column of a report row a point falls in, from the columns' widths alone.
#pragma once
#include <vector>

namespace core {

// Column whose span [x, x + width] holds pointX, walking from `left`; both edges count, so a
// point on the border between two columns belongs to the left one. -1 when none does.
int ColumnAt(int left, const std::vector<int>& widths, int pointX) noexcept;

}  // namespace core
