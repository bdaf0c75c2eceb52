// Which column of a row a point falls in.
#include "core/column_hit.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(ColumnAtTest, BothEdgesCountAndTheLeftColumnWins) {
    const std::vector<int> widths{75, 75, 75};
    EXPECT_EQ(core::ColumnAt(10, widths, 10), 0);
    EXPECT_EQ(core::ColumnAt(10, widths, 84), 0);
    EXPECT_EQ(core::ColumnAt(10, widths, 85), 0);  // the border between columns 0 and 1
    EXPECT_EQ(core::ColumnAt(10, widths, 86), 1);
    EXPECT_EQ(core::ColumnAt(10, widths, 235), 2);
    EXPECT_EQ(core::ColumnAt(10, widths, 236), -1);
    EXPECT_EQ(core::ColumnAt(10, widths, 9), -1);
    EXPECT_EQ(core::ColumnAt(0, {}, 0), -1);
}

}  // namespace
