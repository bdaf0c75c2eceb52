// What a contour value cell hands back: typed text is read as a decimal number only, so words
// such as "inf" and "nan" read as 0, and what an input method types as the number meant ("１．５"
// and "1。5" are 1.5); a host's value that is not finite comes back unchanged only while its cell
// was left as it was shown.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>

#include "colour_dialogs.h"
#include "colour_host_call.h"
#include "composition.h"
#include "dialog_driver.h"
#include "list_view.h"

namespace {

constexpr float kInf = std::numeric_limits<float>::infinity();
const float kNaN = std::numeric_limits<float>::quiet_NaN();

struct TypedCase {
    const char* label;
    float host;          // the value the row starts with
    std::wstring typed;  // what the user types over it
    float value;         // what the host gets back
};

class TypedValueTest : public testing::TestWithParam<TypedCase> {};

TEST_P(TypedValueTest, ComesBackAsItsDecimalText) {
    ContourVars vars = Contour(1, {GetParam().host, 1.0f}, {0x0000FF, 0x00FF00});
    RunContour(vars, [](DialogDriver& d, const ListView& list) {
        ClickCell(d, list, 0, 1);
        ASSERT_NE(CellEditBox(list), nullptr);
        d.Type(GetParam().typed);
        d.Key(VK_RETURN);
        EXPECT_EQ(list.CellText(0, 1), GetParam().typed);
    });
    EXPECT_EQ(vars.result, 0);
    EXPECT_EQ(vars.values[0], GetParam().value);
    EXPECT_EQ(std::signbit(vars.values[0]), std::signbit(GetParam().value));
    EXPECT_EQ(vars.values[1], 1.0f);
}

INSTANTIATE_TEST_SUITE_P(
    Table, TypedValueTest,
    testing::Values(TypedCase{"inf", 2.0f, L"inf", 0.0f}, TypedCase{"infinity", 2.0f, L"infinity", 0.0f},
                    TypedCase{"negative_infinity", 2.0f, L"-Infinity", 0.0f}, TypedCase{"nan", 2.0f, L"nan", 0.0f},
                    TypedCase{"number_over_infinity", kInf, L"5", 5.0f},
                    TypedCase{"number_over_nan", kNaN, L"-0.25", -0.25f},
                    TypedCase{"other_word_over_infinity", kInf, L"-inf", 0.0f},
                    // As an input method types them: full-width forms, ideographic full stop and space.
                    TypedCase{"full_width_number", 2.0f, L"\xff11\xff0e\xff15", 1.5f},
                    TypedCase{"ideographic_full_stop", 2.0f, L"1\x3002" L"5", 1.5f},
                    TypedCase{"full_width_minus", 2.0f, L"\xff0d\xff12", -2.0f},
                    TypedCase{"full_width_exponent", 2.0f, L"\xff11\xff45\xff13", 1000.0f},
                    TypedCase{"ideographic_space", 2.0f, L"\x3000" L"3", 3.0f}),
    [](const testing::TestParamInfo<TypedCase>& i) { return std::string(i.param.label); });

TEST(TypedValueTest, HostValuesThatAreNotFiniteComeBackWhenAnotherCellWasEdited) {
    ContourVars vars = Contour(1, {kInf, -kInf, kNaN, 3.0f}, {0, 0, 0, 0});
    RunContour(vars, [](DialogDriver& d, const ListView& list) {
        ClickCell(d, list, 3, 1);
        d.Type(L"4");
        d.Key(VK_RETURN);
        EXPECT_EQ(list.CellText(0, 1), L"inf");
        EXPECT_EQ(list.CellText(1, 1), L"-inf");
        EXPECT_EQ(list.CellText(2, 1), L"nan");
    });
    EXPECT_EQ(vars.result, 0);
    EXPECT_EQ(vars.values[0], kInf);
    EXPECT_EQ(vars.values[1], -kInf);
    EXPECT_TRUE(std::isnan(vars.values[2]));
    EXPECT_EQ(vars.values[3], 4.0f);
}

// Text still being composed when the focus leaves the cell is the cell's: it ends in the cell,
// where the composition began, and never in the window the focus moved to (completed after the
// move, the input method would hand it there).
struct FocusLeaves {
    const char* label;
    std::function<void(DialogDriver&, const ListView&)> move;
};

void PrintTo(const FocusLeaves& leaves, std::ostream* out) { *out << leaves.label; }

class ComposedCellTest : public testing::TestWithParam<FocusLeaves> {};

TEST_P(ComposedCellTest, TextStillComposedWhenTheFocusLeavesEndsInTheCell) {
    if (!CanCompose()) GTEST_SKIP() << "no input method composes text here";
    const CompositionCleanup cleanup;
    ContourVars vars = Contour(1, {2.0f, 1.0f}, {0x0000FF, 0x00FF00});
    RunContour(vars, [](DialogDriver& d, const ListView& list) {
        ClickCell(d, list, 0, 1);
        HWND box = CellEditBox(list);
        ASSERT_NE(box, nullptr);
        d.Type(L"1");
        ASSERT_TRUE(OpenComposition(d, box, L"\xff0e\xff15"));  // "．５" still being composed
        const std::wstring count = d.ItemText(IDC_CONTOUR_COUNT);
        GetParam().move(d, list);
        EXPECT_EQ(CellEditBox(list), nullptr);
        EXPECT_EQ(list.CellText(0, 1), L"1\xff0e\xff15");
        EXPECT_EQ(ComposingText(d, d.Focus()), L"") << "the composition went on in the window the focus moved to";
        EXPECT_EQ(d.ItemText(IDC_CONTOUR_COUNT), count);
    });
    EXPECT_EQ(vars.result, 0);  // OK read the count box as it was
    EXPECT_EQ(vars.values[0], 1.5f);
    EXPECT_EQ(vars.values[1], 1.0f);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ComposedCellTest,
    testing::Values(FocusLeaves{"to_the_count_box",
                                [](DialogDriver& d, const ListView&) {
                                    d.Click(d.Item(IDC_CONTOUR_COUNT), POINT{2, 2});
                                    EXPECT_EQ(d.Focus(), d.Item(IDC_CONTOUR_COUNT));
                                }},
                    FocusLeaves{"to_another_row", [](DialogDriver& d, const ListView& list) { ClickCell(d, list, 1, 0); }}),
    [](const testing::TestParamInfo<FocusLeaves>& info) { return std::string(info.param.label); });

}  // namespace
