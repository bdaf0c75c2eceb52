// The contour dialog's words and its cap on the number of lines.
#include "core/contour_text.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(ContourTextTest, ModeOneIsDisplacementAnyOtherStress) {
    EXPECT_EQ(core::ContourModeWord(1), L"等位移");
    for (int mode : {0, 2, -1, INT_MAX}) EXPECT_EQ(core::ContourModeWord(mode), L"等应力") << mode;
    EXPECT_EQ(core::ContourLineName(1, 1), L"等位移线1");
    EXPECT_EQ(core::ContourLineName(0, 50), L"等应力线50");
    EXPECT_EQ(core::ContourValueHeading(1), L"等位移值");
    EXPECT_EQ(core::ContourCountLabel(2), L"等应力值个数(<50)");
}

TEST(ContourTextTest, CountIsCutToFiftyAndNegativeIsNone) {
    EXPECT_EQ(core::ContourLineCount(3), 3);
    EXPECT_EQ(core::ContourLineCount(50), 50);
    EXPECT_EQ(core::ContourLineCount(60), 50);
    EXPECT_EQ(core::ContourLineCount(INT_MAX), 50);
    EXPECT_EQ(core::ContourLineCount(0), 0);
    EXPECT_EQ(core::ContourLineCount(-5), 0);
    EXPECT_EQ(core::ContourLineCount(INT_MIN), 0);
}

}  // namespace
