// What a screen reader reads in a colour cell: never drawn, its text names the row's colour (a
// base colour by its name, any other by its red, green and blue values), from the moment the
// rows are filled and after every colour the user picks; what the dialogs hand back is unchanged.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "colour_dialogs.h"
#include "colour_host_call.h"
#include "dialog_driver.h"
#include "list_view.h"

namespace {

enum class Dialog { ColourTable, Contour };

constexpr int kTableColourColumn = 1;
constexpr int kContourColourColumn = 2;

// The colour table with an item per colour number (entry 0, the heading's, included).
ColourTableVars TableOf(const std::vector<unsigned long>& numbers) {
    std::wstring names = L"H";
    for (std::size_t i = 1; i < numbers.size(); ++i) names += L"|" + std::to_wstring(i);
    return ColourTable(names, std::vector<int>(numbers.begin(), numbers.end()));
}

ContourVars ContourOf(const std::vector<unsigned long>& colours) {
    return Contour(1, std::vector<float>(colours.size(), 1.0f), colours);
}

// The entries the host's array holds after the call, as many as were given.
template <typename T>
std::vector<unsigned long> Given(const std::vector<T>& all, std::size_t count) {
    return std::vector<unsigned long>(all.begin(), all.begin() + static_cast<std::ptrdiff_t>(count));
}

struct OpeningCase {
    const char* label;
    Dialog dialog;
    std::vector<unsigned long> given;  // colour numbers (the colour table's, heading first) or colours
    std::vector<std::wstring> texts;   // the colour cells, row by row
    std::vector<unsigned long> back;   // the host's entries after OK
};

void PrintTo(const OpeningCase& c, std::ostream* os) { *os << c.label; }

class ColourCellOpeningTest : public testing::TestWithParam<OpeningCase> {};

TEST_P(ColourCellOpeningTest, CellTextsNameTheRowsColours) {
    const OpeningCase& c = GetParam();
    std::vector<std::wstring> texts;
    std::vector<unsigned long> back;
    if (c.dialog == Dialog::ColourTable) {
        ColourTableVars vars = TableOf(c.given);
        RunColourTable(vars, [&](DialogDriver&, const ListView& list) { texts = list.Column(kTableColourColumn); });
        EXPECT_EQ(vars.result, 0);
        back = Given(vars.colors, c.given.size());
    } else {
        ContourVars vars = ContourOf(c.given);
        RunContour(vars, [&](DialogDriver&, const ListView& list) { texts = list.Column(kContourColourColumn); });
        EXPECT_EQ(vars.result, 0);
        back = Given(vars.colors, c.given.size());
    }
    EXPECT_EQ(texts, c.texts);
    EXPECT_EQ(back, c.back);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ColourCellOpeningTest,
    testing::Values(
        OpeningCase{"colour_table", Dialog::ColourTable, {0, 12, 3, 15, 0}, {L"红色", L"深青", L"白色", L"黑色"},
                    {0, 12, 3, 15, 0}},
        // Numbers outside 0 to 15 are shown, and handed back, as 1.
        OpeningCase{"colour_table_number_outside_the_palette", Dialog::ColourTable, {0, 20, 7}, {L"深蓝", L"浅灰"},
                    {0, 1, 7}},
        OpeningCase{"contour_base_and_other_colours",
                    Dialog::Contour,
                    {0x0000FF, 0x0080FF, 0x555555, 0x808080},
                    {L"红色", L"红255 绿128 蓝0", L"深灰", L"红128 绿128 蓝128"},
                    {0x0000FF, 0x0080FF, 0x555555, 0x808080}}),
    [](const testing::TestParamInfo<OpeningCase>& i) { return std::string(i.param.label); });

// The colour number of a base colour.
int BaseNumber(COLORREF colour) {
    const auto& base = BaseColours();
    return static_cast<int>(std::find(base.begin(), base.end(), colour) - base.begin());
}

struct PickCase {
    const char* label;
    Dialog dialog;
    std::vector<unsigned long> given;
    int row;
    COLORREF picked;  // a swatch's colour in the picker, or typed into the chooser
    std::vector<std::wstring> texts;
};

void PrintTo(const PickCase& c, std::ostream* os) { *os << c.label; }

class ColourCellPickTest : public testing::TestWithParam<PickCase> {};

TEST_P(ColourCellPickTest, PickedColourRenamesItsCellOnly) {
    const PickCase& c = GetParam();
    std::vector<std::wstring> texts;
    const auto pick = [&](DialogDriver& d, const ListView& list, int column) {
        DialogDriver chosen(OpenColourCell(d, list, c.row, column));
        ASSERT_NE(chosen.Dialog(), nullptr);
        if (c.dialog == Dialog::ColourTable) {
            chosen.ClickItem(IDC_SWATCH_FIRST + BaseNumber(c.picked));
        } else {
            TypeChooserColour(chosen, c.picked);
        }
        chosen.ClickItem(IDOK);
        ASSERT_TRUE(chosen.WaitClosed());
        d.Sync();
        texts = list.Column(column);
    };
    if (c.dialog == Dialog::ColourTable) {
        ColourTableVars vars = TableOf(c.given);
        RunColourTable(vars, [&](DialogDriver& d, const ListView& list) { pick(d, list, kTableColourColumn); });
        EXPECT_EQ(vars.colors[static_cast<std::size_t>(c.row) + 1], BaseNumber(c.picked));
    } else {
        ContourVars vars = ContourOf(c.given);
        RunContour(vars, [&](DialogDriver& d, const ListView& list) { pick(d, list, kContourColourColumn); });
        EXPECT_EQ(vars.colors[static_cast<std::size_t>(c.row)], c.picked);
    }
    EXPECT_EQ(texts, c.texts);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ColourCellPickTest,
    testing::Values(PickCase{"picker_swatch", Dialog::ColourTable, {0, 12, 3}, 0, RGB(255, 0, 255), {L"紫色", L"深青"}},
                    PickCase{"chooser_other_colour", Dialog::Contour, {0x0000FF, 0x00FF00}, 1, RGB(200, 100, 50),
                             {L"红色", L"红200 绿100 蓝50"}},
                    PickCase{"chooser_base_colour", Dialog::Contour, {0x0080FF, 0x00FF00}, 0, RGB(255, 255, 0),
                             {L"黄色", L"绿色"}}),
    [](const testing::TestParamInfo<PickCase>& i) { return std::string(i.param.label); });

}  // namespace
