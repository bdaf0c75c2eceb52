// The base palette and the lookup from a colour to its number.
#include "core/palette.h"

#include <gtest/gtest.h>

namespace {

TEST(PaletteTest, DarkColoursAre170AndBrightOnes255) {
    EXPECT_EQ(core::kBasePalette[0], 0x000000u);
    EXPECT_EQ(core::kBasePalette[1], 0xAA0000u);  // blue in the third byte: dark blue
    EXPECT_EQ(core::kBasePalette[6], 0x00AAAAu);  // dark yellow 170, 170, 0, not brown
    EXPECT_EQ(core::kBasePalette[8], 0x555555u);
    EXPECT_EQ(core::kBasePalette[12], 0x0000FFu);  // red in the low byte
    EXPECT_EQ(core::kBasePalette[15], 0xFFFFFFu);
}

TEST(PaletteTest, EveryEntryFindsItsOwnNumber) {
    for (int number = 0; number < core::kColorCount; ++number)
        EXPECT_EQ(core::FindColorNumber(core::kBasePalette[static_cast<std::size_t>(number)]), number);
}

struct LookupCase {
    const char* label;
    core::ColorValue color;
    int number;
};

class FindColorNumberTest : public testing::TestWithParam<LookupCase> {};

TEST_P(FindColorNumberTest, FindsTheFirstEqualEntryOrNone) {
    EXPECT_EQ(core::FindColorNumber(GetParam().color), GetParam().number);
}

INSTANTIATE_TEST_SUITE_P(Table, FindColorNumberTest,
                         testing::Values(LookupCase{"light_grey", 0xAAAAAA, 7}, LookupCase{"dark_grey", 0x555555, 8},
                                         LookupCase{"mid_grey_is_none", 0x808080, -1},
                                         LookupCase{"high_byte_counts", 0x01000000, -1},
                                         LookupCase{"red_as_rgb_bytes_is_none", 0xFF000001, -1}),
                         [](const testing::TestParamInfo<LookupCase>& i) { return std::string(i.param.label); });

TEST(PaletteTest, SearchesTheTableItIsGiven) {
    core::ColorTable custom = core::kBasePalette;
    custom[0] = 0x030201;
    EXPECT_EQ(core::FindColorNumber(0x000000, custom), -1);
    EXPECT_EQ(core::FindColorNumber(0x030201, custom), 0);
    custom[9] = custom[3];  // the first equal entry wins
    EXPECT_EQ(core::FindColorNumber(custom[3], custom), 3);
}

struct KeptCase {
    const char* label;
    int changedSlot;           // -1: the table is the base palette
    core::ColorValue changedTo;
    core::ColorValue color;
    int number;
};

class FindKeptColorNumberTest : public testing::TestWithParam<KeptCase> {};

TEST_P(FindKeptColorNumberTest, MatchesASlotOnlyWhileItHoldsItsBaseColour) {
    core::ColorTable custom = core::kBasePalette;
    if (GetParam().changedSlot >= 0) custom[static_cast<std::size_t>(GetParam().changedSlot)] = GetParam().changedTo;
    EXPECT_EQ(core::FindKeptColorNumber(GetParam().color, custom), GetParam().number);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FindKeptColorNumberTest,
    testing::Values(KeptCase{"base_table_red", -1, 0, 0x0000FF, 12}, KeptCase{"base_table_black", -1, 0, 0x000000, 0},
                    KeptCase{"red_put_into_slot_0_red", 0, 0x0000FF, 0x0000FF, 12},
                    KeptCase{"red_put_into_slot_0_black", 0, 0x0000FF, 0x000000, -1},
                    KeptCase{"slot_of_red_changed", 12, 0x00FF00, 0x0000FF, -1},
                    KeptCase{"slot_of_red_changed_other_colours_kept", 12, 0x00FF00, 0xAAAAAA, 7},
                    KeptCase{"not_a_base_colour_even_in_a_slot", 3, 0x030201, 0x030201, -1},
                    KeptCase{"not_a_base_colour", -1, 0, 0x808080, -1}),
    [](const testing::TestParamInfo<KeptCase>& i) { return std::string(i.param.label); });

TEST(PaletteTest, NumbersOutsideTheTableBecomeDarkBlue) {
    for (int number : {-1, 16, 20, -2147483647 - 1, 2147483647}) {
        EXPECT_EQ(core::ValidColorNumber(number), 1) << number;
        EXPECT_EQ(core::BaseColor(number), 0xAA0000u) << number;
    }
    for (int number = 0; number < core::kColorCount; ++number) {
        EXPECT_EQ(core::ValidColorNumber(number), number);
        EXPECT_EQ(core::BaseColor(number), core::kBasePalette[static_cast<std::size_t>(number)]);
    }
}

}  // namespace
