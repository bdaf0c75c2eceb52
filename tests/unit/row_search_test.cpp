// Finding a row by typed text: from the start row on, wrapping, case ignored, whole or partial.
#include "core/row_search.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::vector<std::wstring> kRows{L"Dead", L"live", L"Wind X", L"wind Y", L"地震X", L"Live"};

std::wstring RowText(int row) { return kRows.at(static_cast<std::size_t>(row)); }

struct SearchCase {
    const char* label;
    int start;
    const wchar_t* text;
    bool partial;
    bool wrap;
    int expected;
};

class FindRowTest : public testing::TestWithParam<SearchCase> {};

TEST_P(FindRowTest, FindsTheRow) {
    const SearchCase& c = GetParam();
    const core::RowSearch search{c.text, c.partial, c.wrap};
    EXPECT_EQ(core::FindRow(static_cast<int>(kRows.size()), c.start, search, RowText), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FindRowTest,
    testing::Values(SearchCase{"prefix_from_the_first_row", 0, L"w", true, true, 2},
                    SearchCase{"start_row_itself_counts", 3, L"w", true, true, 3},
                    SearchCase{"case_ignored", 0, L"LIVE", true, true, 1},
                    SearchCase{"wraps_past_the_last_row", 4, L"de", true, true, 0},
                    SearchCase{"no_wrap_stops_at_the_last_row", 4, L"de", true, false, -1},
                    SearchCase{"later_match_before_wrapping", 2, L"live", true, true, 5},
                    SearchCase{"whole_text_only", 0, L"wind", false, true, -1},
                    SearchCase{"whole_text_case_ignored", 0, L"WIND x", false, true, 2},
                    SearchCase{"double_byte_text", 0, L"地震", true, true, 4},
                    SearchCase{"longer_than_every_row", 0, L"Wind X and more", true, true, -1},
                    SearchCase{"empty_text_finds_nothing", 0, L"", true, true, -1},
                    SearchCase{"start_past_the_rows_begins_at_the_first", 99, L"l", true, true, 1},
                    SearchCase{"negative_start_begins_at_the_first", -1, L"l", true, true, 1}),
    [](const testing::TestParamInfo<SearchCase>& info) { return std::string(info.param.label); });

TEST(FindRow, NoRowsFindNothingAndReadNoText) {
    int reads = 0;
    const core::RowSearch search{L"a"};
    EXPECT_EQ(core::FindRow(0, 0, search, [&](int) { ++reads; return std::wstring(L"a"); }), -1);
    EXPECT_EQ(reads, 0);
}

}  // namespace
