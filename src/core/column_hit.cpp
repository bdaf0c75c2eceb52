// Column hit testing.
#include "core/column_hit.h"

namespace core {

int ColumnAt(int left, const std::vector<int>& widths, int pointX) noexcept {
    long long x = left;
    for (std::size_t col = 0; col < widths.size(); ++col) {
        if (x <= pointX && pointX <= x + widths[col]) return static_cast<int>(col);
        x += widths[col];
    }
    return -1;
}

}  // namespace core
