// The picker opened from a colour cell preselects the cell's colour while the shared custom
// colours still hold it in its own slot: a colour the user put into another slot of the
// platform's chooser is not taken for that slot's base colour.
#include <gtest/gtest.h>

#include <string>

#include "colour_dialogs.h"
#include "colour_host_call.h"
#include "dialog_driver.h"
#include "list_view.h"

namespace {

struct PreselectionCase {
    const char* label;
    COLORREF firstCustom;  // put into custom colour 0 before the picker opens
    int cellNumber;        // the cell's colour number
    bool preselected;      // the picker opens with the cell's colour selected
};

void PrintTo(const PreselectionCase& c, std::ostream* os) { *os << c.label; }

class PickerPreselectionTest : public testing::TestWithParam<PreselectionCase> {
protected:
    // The custom colours outlive the call: put black back for the tests that follow.
    void TearDown() override { SetFirstCustomColour(RGB(0, 0, 0)); }
};

TEST_P(PickerPreselectionTest, OkWithoutASwatchKeepsTheCellsColour) {
    const PreselectionCase& c = GetParam();
    SetFirstCustomColour(c.firstCustom);
    const COLORREF cellColour = BaseColours()[static_cast<std::size_t>(c.cellNumber)];
    ColourTableVars table = ColourTable(L"H|A", {0, c.cellNumber});
    RunColourTable(table, [&](DialogDriver& d, const ListView& list) {
        DialogDriver picker(OpenColourCell(d, list, 0, 1));
        EXPECT_TRUE(PreviewShows(picker, c.preselected ? cellColour : GetSysColor(COLOR_BTNFACE)));
        picker.ClickItem(IDOK);
        ASSERT_TRUE(picker.WaitClosed());
        EXPECT_TRUE(CellShows(list, 0, 1, cellColour));
    });
    EXPECT_EQ(table.result, 0);
    EXPECT_EQ(table.colors[1], c.cellNumber);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PickerPreselectionTest,
    testing::Values(PreselectionCase{"red_in_slot_0_red_cell", RGB(255, 0, 0), 12, true},
                    PreselectionCase{"red_in_slot_0_black_cell", RGB(255, 0, 0), 0, false},
                    PreselectionCase{"dark_blue_in_slot_0_dark_blue_cell", RGB(0, 0, 170), 1, true},
                    PreselectionCase{"white_in_slot_0_white_cell", RGB(255, 255, 255), 15, true}),
    [](const testing::TestParamInfo<PreselectionCase>& i) { return std::string(i.param.label); });

}  // namespace
