// Contour values as text: "%g" out, atof's reading of decimal text back in, the six-digit round
// trip, and values that are not finite coming back only while their text is untouched.
#include "core/value_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

struct FormatCase {
    const char* label;
    float value;
    std::wstring text;
};

class FormatValueTest : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatValueTest, SixSignificantDigits) { EXPECT_EQ(core::FormatValue(GetParam().value), GetParam().text); }

constexpr float kInf = std::numeric_limits<float>::infinity();
const float kNaN = std::numeric_limits<float>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    Table, FormatValueTest,
    testing::Values(FormatCase{"seven_digits_rounded", 0.1234567f, L"0.123457"}, FormatCase{"small", 1e-7f, L"1e-07"},
                    FormatCase{"large", 1e20f, L"1e+20"}, FormatCase{"trailing_zeros_dropped", 2.25f, L"2.25"},
                    FormatCase{"whole", 1.0f, L"1"}, FormatCase{"six_digit_whole", 100000.0f, L"100000"},
                    FormatCase{"seven_digit_whole", 1234567.0f, L"1.23457e+06"},
                    FormatCase{"negative_zero", -0.0f, L"-0"}, FormatCase{"negative", -0.5f, L"-0.5"},
                    FormatCase{"infinity", kInf, L"inf"}, FormatCase{"negative_infinity", -kInf, L"-inf"},
                    FormatCase{"nan", kNaN, L"nan"}, FormatCase{"negative_nan", -kNaN, L"-nan"}),
    [](const testing::TestParamInfo<FormatCase>& i) { return std::string(i.param.label); });

struct ParseCase {
    const char* label;
    std::wstring text;
    float value;
};

class ParseValueTest : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseValueTest, ReadsAsAtofDoes) {
    const float got = core::ParseValue(GetParam().text);
    EXPECT_EQ(got, GetParam().value);
    EXPECT_EQ(std::signbit(got), std::signbit(GetParam().value));
}

INSTANTIATE_TEST_SUITE_P(
    Table, ParseValueTest,
    testing::Values(ParseCase{"plain", L"0.5", 0.5f}, ParseCase{"six_digits", L"0.123457", 0.123457f},
                    ParseCase{"number_then_letters", L"12abc", 12.0f}, ParseCase{"letters", L"abc", 0.0f},
                    ParseCase{"leading_blanks_and_exponent", L" 1.5e2", 150.0f},
                    ParseCase{"tab_and_newline", L"\t\n7", 7.0f}, ParseCase{"negative_zero", L"-0", -0.0f},
                    ParseCase{"empty", L"", 0.0f}, ParseCase{"blanks_only", L"   ", 0.0f},
                    ParseCase{"plus_sign", L"+2.5", 2.5f}, ParseCase{"two_signs", L"+-2", 0.0f},
                    ParseCase{"sign_alone", L"-", 0.0f}, ParseCase{"sign_then_letters", L"-abc", 0.0f},
                    ParseCase{"point_first", L".25", 0.25f}, ParseCase{"point_last", L"3.", 3.0f},
                    ParseCase{"point_alone", L".", 0.0f}, ParseCase{"exponent_without_digits", L"4e", 4.0f},
                    ParseCase{"exponent_sign_without_digits", L"4e+x", 4.0f},
                    ParseCase{"comma_ends_the_number", L"1,5", 1.0f}, ParseCase{"hex_is_not_read", L"0x10", 0.0f},
                    ParseCase{"wide_characters_end_it", L"3\x4e00" L"5", 3.0f},
                    ParseCase{"beyond_float", L"1e39", kInf}, ParseCase{"beyond_double", L"1e400", kInf},
                    ParseCase{"below_double", L"1e-400", 0.0f}, ParseCase{"negative_below_double", L"-1e-400", -0.0f},
                    ParseCase{"long_zeros_beyond_double", L"0.00000000001e500", kInf},
                    ParseCase{"largest_float", L"3.4028234e38", std::numeric_limits<float>::max()},
                    ParseCase{"infinity_is_a_word", L"inf", 0.0f}, ParseCase{"long_infinity", L"infinity", 0.0f},
                    ParseCase{"negative_infinity", L"-Infinity", 0.0f}, ParseCase{"not_a_number", L"nan", 0.0f},
                    ParseCase{"negative_not_a_number", L"  -nan", 0.0f}, ParseCase{"upper_case_nan", L"NAN", 0.0f},
                    ParseCase{"sign_then_point", L"-.5", -0.5f}),
    [](const testing::TestParamInfo<ParseCase>& i) { return std::string(i.param.label); });

// What an input method types: full-width forms, the ideographic space and full stop.
INSTANTIATE_TEST_SUITE_P(
    Typed, ParseValueTest,
    testing::Values(ParseCase{"full_width_number", L"\xff11\xff0e\xff15", 1.5f},
                    ParseCase{"ideographic_full_stop_is_the_point", L"1\x3002" L"5", 1.5f},
                    ParseCase{"full_width_minus", L"\xff0d\xff12", -2.0f},
                    ParseCase{"full_width_exponent", L"\xff11\xff45\xff13", 1000.0f},
                    ParseCase{"ideographic_space_is_a_blank", L"\x3000" L"3", 3.0f},
                    ParseCase{"full_width_digit", L"\xff11", 1.0f},
                    ParseCase{"full_width_plus", L"\xff0b\xff17", 7.0f},
                    ParseCase{"full_width_comma_ends_the_number", L"\xff11\xff0c\xff15", 1.0f},
                    ParseCase{"ideographic_comma_ends_the_number", L"1\x3001" L"5", 1.0f},
                    ParseCase{"other_wide_letter_ends_it", L"\xff13\x4e00\xff15", 3.0f},
                    ParseCase{"full_width_infinity_is_a_word", L"\xff49\xff4e\xff46", 0.0f},
                    ParseCase{"full_width_nan_is_a_word", L"\xff4e\xff41\xff4e", 0.0f},
                    ParseCase{"two_full_stops", L"1\x3002\x3002" L"5", 1.0f},
                    ParseCase{"beyond_float_in_full_width", L"\xff11\xff45\xff13\xff19", kInf}),
    [](const testing::TestParamInfo<ParseCase>& i) { return std::string(i.param.label); });

TEST(ValueRoundTripTest, ValuesComeBackThroughTheirSixDigitText) {
    struct Trip {
        float in, out;
    };
    for (const Trip t : {Trip{0.1234567f, 0.123457f}, Trip{0.5f, 0.5f}, Trip{1e-7f, 1e-7f}, Trip{1e20f, 1e20f},
                         Trip{123456789.0f, 123457000.0f}, Trip{-2.25f, -2.25f}})
        EXPECT_EQ(core::ReadBackValue(t.in, core::FormatValue(t.in)), t.out) << t.in;
    EXPECT_TRUE(std::signbit(core::ReadBackValue(-0.0f, core::FormatValue(-0.0f))));
}

struct ReadBackCase {
    const char* label;
    float shown;
    std::wstring text;
    float value;
};

class ReadBackValueTest : public testing::TestWithParam<ReadBackCase> {};

TEST_P(ReadBackValueTest, TypedTextIsReadAsADecimalNumber) {
    const float got = core::ReadBackValue(GetParam().shown, GetParam().text);
    EXPECT_EQ(got, GetParam().value);
    EXPECT_EQ(std::signbit(got), std::signbit(GetParam().value));
}

INSTANTIATE_TEST_SUITE_P(
    Table, ReadBackValueTest,
    testing::Values(ReadBackCase{"infinity_untouched", kInf, L"inf", kInf},
                    ReadBackCase{"negative_infinity_untouched", -kInf, L"-inf", -kInf},
                    ReadBackCase{"infinity_edited", kInf, L"5", 5.0f},
                    ReadBackCase{"infinity_edited_to_another_word", kInf, L"-inf", 0.0f},
                    ReadBackCase{"infinity_typed_over_a_number", 2.0f, L"inf", 0.0f},
                    ReadBackCase{"nan_typed_over_a_number", 2.0f, L"nan", 0.0f},
                    ReadBackCase{"nan_edited", kNaN, L"1.5", 1.5f},
                    ReadBackCase{"finite_untouched_is_its_six_digits", 0.1234567f, L"0.123457", 0.123457f},
                    ReadBackCase{"typed_beyond_float", 1.0f, L"1e39", kInf},
                    ReadBackCase{"typed_in_full_width", 2.0f, L"\xff11\xff0e\xff15", 1.5f},
                    ReadBackCase{"typed_with_ideographic_full_stop", 2.0f, L"1\x3002" L"5", 1.5f},
                    ReadBackCase{"full_width_infinity_over_infinity_is_an_edit", kInf, L"\xff49\xff4e\xff46", 0.0f}),
    [](const testing::TestParamInfo<ReadBackCase>& i) { return std::string(i.param.label); });

TEST(ReadBackValueTest, UntouchedNotANumberComesBackWithItsSign) {
    EXPECT_TRUE(std::isnan(core::ReadBackValue(kNaN, L"nan")));
    const float negative = core::ReadBackValue(-kNaN, core::FormatValue(-kNaN));
    EXPECT_TRUE(std::isnan(negative));
    EXPECT_TRUE(std::signbit(negative));
    EXPECT_EQ(core::ReadBackValue(kNaN, L"-nan"), 0.0f);  // another text than it was shown with
}

}  // namespace
