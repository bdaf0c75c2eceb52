// Integers typed into a box, and warning prompts with their placeholders.
#include "core/exchange_text.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

struct IntCase {
    const char* label;
    std::wstring text;
    bool isInteger;
    int value;
};

class ParseIntegerTest : public testing::TestWithParam<IntCase> {};

TEST_P(ParseIntegerTest, ReadsOneIntegerAndNothingElse) {
    const IntCase& c = GetParam();
    int value = -12345;
    EXPECT_EQ(core::ParseInteger(c.text, value), c.isInteger);
    EXPECT_EQ(value, c.isInteger ? c.value : -12345);  // a failed reading leaves the value alone
}

INSTANTIATE_TEST_SUITE_P(
    Table, ParseIntegerTest,
    testing::Values(IntCase{"plain", L"10", true, 10}, IntCase{"fifty", L"50", true, 50},
                    IntCase{"zero", L"0", true, 0}, IntCase{"negative", L"-5", true, -5},
                    IntCase{"plus", L"+7", true, 7}, IntCase{"blanks_around", L" \t12 ", true, 12},
                    IntCase{"empty", L"", false, 0}, IntCase{"blanks_only", L"  ", false, 0},
                    IntCase{"letters", L"abc", false, 0}, IntCase{"trailing_letters", L"12abc", false, 0},
                    IntCase{"fraction", L"1.5", false, 0}, IntCase{"sign_alone", L"-", false, 0},
                    IntCase{"inner_blank", L"1 2", false, 0}, IntCase{"full_width_digit", L"\xff11", true, 1},
                    IntCase{"beyond_int", L"99999999999", true, INT_MAX},
                    IntCase{"below_int", L"-99999999999", true, INT_MIN}, IntCase{"int_min", L"-2147483648", true, INT_MIN}),
    [](const testing::TestParamInfo<IntCase>& i) { return std::string(i.param.label); });

// What an input method types: full-width forms, the ideographic space and full stop.
INSTANTIATE_TEST_SUITE_P(
    Typed, ParseIntegerTest,
    testing::Values(IntCase{"full_width_ten", L"\xff11\xff10", true, 10},
                    IntCase{"ideographic_spaces_around", L"\x3000\xff11\xff10\x3000", true, 10},
                    IntCase{"full_width_minus", L"\xff0d\xff15", true, -5},
                    IntCase{"full_width_plus", L"\xff0b\xff17", true, 7},
                    IntCase{"ideographic_full_stop_is_a_point", L"1\x3002" L"5", false, 0},
                    IntCase{"full_width_point", L"\xff11\xff0e\xff15", false, 0},
                    IntCase{"full_width_letters", L"\xff11\xff10\xff41", false, 0},
                    IntCase{"other_wide_letter", L"1\x4e00", false, 0},
                    IntCase{"full_width_beyond_int", L"\xff19\xff19\xff19\xff19\xff19\xff19\xff19\xff19\xff19\xff19", true, INT_MAX}),
    [](const testing::TestParamInfo<IntCase>& i) { return std::string(i.param.label); });

TEST(FormatPromptTest, FillsNumberedPlaceholders) {
    EXPECT_EQ(core::FormatPrompt(L"“请填入一个在%1和%2之间的整数。”", {L"1", L"50"}), L"“请填入一个在1和50之间的整数。”");
    EXPECT_EQ(core::FormatPrompt(L"%2-%1-%2", {L"a", L"b"}), L"b-a-b");
    EXPECT_EQ(core::FormatPrompt(L"100% %3 %0 %", {L"a", L"b"}), L"100% %3 %0 %");
    EXPECT_EQ(core::FormatPrompt(L"请键入一个整数。", {}), L"请键入一个整数。");
}

}  // namespace
