// The text as the user meant it: full-width forms as ASCII, the ideographic space and full stop as
// a space and a point, and nothing else changed.
#include "core/typed_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct MeantCase {
    const char* label;
    std::wstring typed;
    std::wstring meant;
};

class MeantTextTest : public testing::TestWithParam<MeantCase> {};

TEST_P(MeantTextTest, ReadsAsTheUserMeantIt) { EXPECT_EQ(core::MeantText(GetParam().typed), GetParam().meant); }

INSTANTIATE_TEST_SUITE_P(
    Table, MeantTextTest,
    testing::Values(MeantCase{"empty", L"", L""}, MeantCase{"ascii_unchanged", L" -1.5e3 abc", L" -1.5e3 abc"},
                    MeantCase{"full_width_number", L"\xff0d\xff11\xff0e\xff15\xff45\xff13", L"-1.5e3"},
                    MeantCase{"first_full_width_form", L"\xff01", L"!"},
                    MeantCase{"last_full_width_form", L"\xff5e", L"~"},
                    MeantCase{"before_the_full_width_forms", L"\xff00", L"\xff00"},
                    MeantCase{"after_the_full_width_forms", L"\xff5f", L"\xff5f"},
                    MeantCase{"ideographic_space", L"\x3000", L" "},
                    MeantCase{"ideographic_full_stop", L"1\x3002" L"5", L"1.5"},
                    MeantCase{"ideographic_comma_stays", L"\x3001", L"\x3001"},
                    MeantCase{"chinese_stays", L"\x4e00\x7ebf", L"\x4e00\x7ebf"},
                    MeantCase{"half_width_katakana_stays", L"\xff61", L"\xff61"}),
    [](const testing::TestParamInfo<MeantCase>& i) { return std::string(i.param.label); });

}  // namespace
