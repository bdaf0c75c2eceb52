// The number of contour lines typed into the count box: checked by the data exchange with the
// platform's warnings, and handed back either as a new number of lines ("更新列表", result 2)
// or not at all (OK keeps the lines shown).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "colour_dialogs.h"
#include "colour_host_call.h"
#include "composition.h"
#include "dialog_driver.h"
#include "list_view.h"

namespace {

const std::wstring kNotAnInteger = L"请键入一个整数。";
const std::wstring kOutOfRange = L"“请填入一个在1和50之间的整数。”";

std::vector<std::wstring> Texts(const std::vector<Warning>& warnings) {
    std::vector<std::wstring> texts;
    for (const Warning& w : warnings) texts.push_back(w.text);
    return texts;
}

struct CountCase {
    const char* label;
    std::wstring typed;
    int button;                          // IDOK or the update button
    std::vector<std::wstring> warnings;  // in the order shown
    int result;                          // -7: the dialog stays open (then cancelled: 1)
    int count;                           // the host's count afterwards
    std::wstring boxAfter;               // the box's text while the dialog stays open
};

class ColourContourCountTest : public testing::TestWithParam<CountCase> {};

TEST_P(ColourContourCountTest, ChecksTheBoxAndAnswers) {
    const CountCase& c = GetParam();
    ContourVars vars = Contour(1, {0.5f, 1.0f, 2.25f}, {1, 2, 3});
    const ContourVars before = vars;
    RunContour(vars, [&](DialogDriver& d, const ListView&) {
        ReplaceBoxText(d, IDC_CONTOUR_COUNT, c.typed);
        d.ClickItem(c.button);
        const std::vector<Warning> warnings = AnswerWarnings(d);
        EXPECT_EQ(Texts(warnings), c.warnings);
        for (const Warning& w : warnings) EXPECT_EQ(w.title, L"Korvel");  // the module's name
        if (c.result != -7) {
            EXPECT_TRUE(d.WaitClosed());
            return;
        }
        EXPECT_TRUE(d.IsOpen());
        EXPECT_EQ(d.ItemText(IDC_CONTOUR_COUNT), c.boxAfter);
        if (!warnings.empty()) {
            EXPECT_EQ(d.Focus(), d.Item(IDC_CONTOUR_COUNT));
        }
        if (!warnings.empty() && c.boxAfter == c.typed) {
            // Its whole text selected, ready to be typed over (a rewritten text is not).
            DWORD start = 1, end = 0;
            SendMessageW(d.Item(IDC_CONTOUR_COUNT), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
            EXPECT_EQ(start, 0u);
            EXPECT_EQ(end, static_cast<DWORD>(c.boxAfter.size()));
        }
        d.ClickItem(IDCANCEL);
        EXPECT_TRUE(d.WaitClosed());
    });
    EXPECT_EQ(vars.result, c.result == -7 ? 1 : c.result);
    EXPECT_EQ(vars.count, c.count);
    // Values and colours are written only with result 0, and then they are those shown.
    EXPECT_EQ(vars.values, before.values);
    EXPECT_EQ(vars.colors, before.colors);
}

const std::vector<std::wstring> kNone;

INSTANTIATE_TEST_SUITE_P(
    Table, ColourContourCountTest,
    testing::Values(
        CountCase{"update_to_ten_asks_for_ten", L"10", IDC_UPDATE_LIST, kNone, 2, 10, L""},
        CountCase{"update_to_fifty_asks_for_fifty", L"50", IDC_UPDATE_LIST, kNone, 2, 50, L""},
        CountCase{"update_to_full_width_ten_asks_for_ten", L"\xff11\xff10", IDC_UPDATE_LIST, kNone, 2, 10, L""},
        CountCase{"update_unchanged_stays", L"3", IDC_UPDATE_LIST, kNone, -7, 3, L"3"},
        CountCase{"update_empty_warns_once_and_restores", L"", IDC_UPDATE_LIST, {kNotAnInteger}, -7, 3, L"3"},
        CountCase{"update_letters_warn_once_and_restore", L"abc", IDC_UPDATE_LIST, {kNotAnInteger}, -7, 3, L"3"},
        CountCase{"update_zero_warns_twice", L"0", IDC_UPDATE_LIST, {kOutOfRange, kOutOfRange}, -7, 3, L"0"},
        CountCase{"update_fifty_one_warns_twice", L"51", IDC_UPDATE_LIST, {kOutOfRange, kOutOfRange}, -7, 3, L"51"},
        CountCase{"ok_with_ten_keeps_the_lines", L"10", IDOK, kNone, 0, 3, L""},
        CountCase{"ok_with_fifty_keeps_the_lines", L"50", IDOK, kNone, 0, 3, L""},
        CountCase{"ok_empty_warns_twice", L"", IDOK, {kNotAnInteger, kNotAnInteger}, -7, 3, L""},
        CountCase{"ok_zero_warns_twice", L"0", IDOK, {kOutOfRange, kOutOfRange}, -7, 3, L"0"},
        CountCase{"ok_fifty_one_warns_twice", L"51", IDOK, {kOutOfRange, kOutOfRange}, -7, 3, L"51"}),
    [](const testing::TestParamInfo<CountCase>& i) { return std::string(i.param.label); });

TEST(ColourContourCountTest, NoLinesFromTheHostNeedACountBeforeOk) {
    for (const int button : {IDOK, IDC_UPDATE_LIST}) {
        ContourVars vars = Contour(1, {}, {});
        RunContour(vars, [&](DialogDriver& d, const ListView& list) {
            EXPECT_EQ(list.RowCount(), 0);
            EXPECT_EQ(d.ItemText(IDC_CONTOUR_COUNT), L"0");
            d.ClickItem(IDOK);
            EXPECT_EQ(Texts(AnswerWarnings(d)), (std::vector<std::wstring>{kOutOfRange, kOutOfRange}));
            ReplaceBoxText(d, IDC_CONTOUR_COUNT, L"5");
            d.ClickItem(button);
            EXPECT_TRUE(d.WaitClosed());
        });
        EXPECT_EQ(vars.result, button == IDOK ? 0 : 2);
        EXPECT_EQ(vars.count, button == IDOK ? 0 : 5);
    }
}

TEST(ColourContourCountTest, ReturnInTheBoxIsOk) {
    ContourVars vars = Contour(1, {0.5f}, {1});
    RunContour(vars, [](DialogDriver& d, const ListView&) {
        ReplaceBoxText(d, IDC_CONTOUR_COUNT, L"4");
        d.Key(VK_RETURN);
        EXPECT_TRUE(d.WaitClosed());
    });
    EXPECT_EQ(vars.result, 0);
    EXPECT_EQ(vars.count, 1);
}

TEST(ColourContourCountTest, TextComposedInTheBoxIsReadOnceTheInputMethodHandsItOver) {
    if (!CanCompose()) GTEST_SKIP() << "no input method composes text here";
    const CompositionCleanup cleanup;
    ContourVars vars = Contour(1, {0.5f}, {1});
    RunContour(vars, [](DialogDriver& d, const ListView&) {
        HWND box = d.Item(IDC_CONTOUR_COUNT);
        ReplaceBoxText(d, IDC_CONTOUR_COUNT, L"9");
        ASSERT_TRUE(OpenComposition(d, box, L"\xff19"));  // "９" still being composed
        // The first Enter is the input method's: it hands "９" to the box, and the dialog is
        // still open.
        ASSERT_TRUE(HandOverComposition(d, box));
        EXPECT_TRUE(d.IsOpen());
        EXPECT_EQ(d.ItemText(IDC_CONTOUR_COUNT), L"9\xff19");
        d.Key(VK_RETURN);  // OK: 99
        EXPECT_EQ(Texts(AnswerWarnings(d)), (std::vector<std::wstring>{kOutOfRange, kOutOfRange}));
        EXPECT_EQ(ComposingText(d, box), L"");
        d.ClickItem(IDCANCEL);
        EXPECT_TRUE(d.WaitClosed());
    });
    EXPECT_EQ(vars.result, 1);
    EXPECT_EQ(vars.count, 1);
}

}  // namespace
