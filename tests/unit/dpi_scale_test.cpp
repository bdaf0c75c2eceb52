// Sizes for 96 DPI at other DPIs: rows scale with the DPI, to the nearest pixel.
#include "core/dpi_scale.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

struct DpiCase {
    int dpi;
    int rowHeight;  // of the 20-pixel rows
};

class DpiScaleTest : public testing::TestWithParam<DpiCase> {};

TEST_P(DpiScaleTest, RowsScaleWithTheDpi) { EXPECT_EQ(core::ScaleToDpi(20, GetParam().dpi), GetParam().rowHeight); }

INSTANTIATE_TEST_SUITE_P(Table, DpiScaleTest,
                         testing::Values(DpiCase{96, 20}, DpiCase{120, 25}, DpiCase{143, 30}, DpiCase{144, 30},
                                         DpiCase{168, 35}, DpiCase{192, 40}, DpiCase{240, 50}, DpiCase{288, 60},
                                         DpiCase{72, 15}, DpiCase{0, 20}, DpiCase{-96, 20}));

TEST(DpiScaleTest, RoundsToTheNearestPixel) {
    EXPECT_EQ(core::ScaleToDpi(13, 144), 20);  // 19.5
    EXPECT_EQ(core::ScaleToDpi(1, 120), 1);    // 1.25
    EXPECT_EQ(core::ScaleToDpi(-13, 144), -20);
    EXPECT_EQ(core::ScaleToDpi(INT_MAX, 96), INT_MAX);
    EXPECT_EQ(core::ScaleToDpi(80, 144), 120);
}

}  // namespace
