// Colour names and the text of any colour, checked against the palette's own values.
#include "core/color_names.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

struct NamedColor {
    int number;
    const wchar_t* name;
    unsigned red, green, blue;
};

// Each name with the channels it promises: a name put on the wrong number fails here.
constexpr NamedColor kNamed[] = {
    {0, L"黑色", 0, 0, 0},         {1, L"深蓝", 0, 0, 170},       {2, L"深绿", 0, 170, 0},
    {3, L"深青", 0, 170, 170},     {4, L"深红", 170, 0, 0},       {5, L"深紫", 170, 0, 170},
    {6, L"深黄", 170, 170, 0},     {7, L"浅灰", 170, 170, 170},   {8, L"深灰", 85, 85, 85},
    {9, L"蓝色", 0, 0, 255},       {10, L"绿色", 0, 255, 0},      {11, L"青色", 0, 255, 255},
    {12, L"红色", 255, 0, 0},      {13, L"紫色", 255, 0, 255},    {14, L"黄色", 255, 255, 0},
    {15, L"白色", 255, 255, 255},
};
static_assert(sizeof kNamed / sizeof kNamed[0] == core::kColorCount);

class ColorNameTest : public testing::TestWithParam<NamedColor> {};

TEST_P(ColorNameTest, NamesThePalettesColour) {
    const NamedColor& c = GetParam();
    const core::ColorValue value = core::kBasePalette[static_cast<std::size_t>(c.number)];
    EXPECT_EQ(value & 0xFFu, c.red);
    EXPECT_EQ((value >> 8) & 0xFFu, c.green);
    EXPECT_EQ((value >> 16) & 0xFFu, c.blue);
    EXPECT_EQ(core::ColorName(c.number), c.name);
    EXPECT_EQ(core::ColorText(value), c.name);
}

INSTANTIATE_TEST_SUITE_P(Palette, ColorNameTest, testing::ValuesIn(kNamed),
                         [](const testing::TestParamInfo<NamedColor>& i) { return std::to_string(i.param.number); });

TEST(ColorNameTest, NumbersOutsideTheTableAreNamedAsDarkBlue) {
    for (int number : {-1, 16, INT_MIN, INT_MAX}) EXPECT_EQ(core::ColorName(number), L"深蓝") << number;
}

struct TextCase {
    const char* label;
    core::ColorValue color;
    const wchar_t* text;
};

class ColorTextTest : public testing::TestWithParam<TextCase> {};

TEST_P(ColorTextTest, GivesTheChannelsOfAColourOutsideThePalette) {
    EXPECT_EQ(core::ColorText(GetParam().color), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ColorTextTest,
    testing::Values(TextCase{"orange", 0x0080FF, L"红255 绿128 蓝0"}, TextCase{"mid_grey", 0x808080, L"红128 绿128 蓝128"},
                    TextCase{"channels_in_order", 0x030201, L"红1 绿2 蓝3"},
                    TextCase{"almost_white", 0xFFFFFE, L"红254 绿255 蓝255"},
                    // A high byte makes another colour than the palette's: its channels are read.
                    TextCase{"high_byte_over_black", 0x01000000, L"红0 绿0 蓝0"},
                    TextCase{"high_byte_over_red", 0xFF0000FF, L"红255 绿0 蓝0"}),
    [](const testing::TestParamInfo<TextCase>& i) { return std::string(i.param.label); });

}  // namespace
