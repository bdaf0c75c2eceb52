// FitText against a stand-in measure: ASCII 6 pixels a character, CJK 12.
#include "core/fit_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

int Measure(std::wstring_view text) {
    int width = 0;
    for (wchar_t c : text) width += c < 0x80 ? 6 : 12;
    return width;
}

struct FitCase {
    const char* label;
    std::wstring text;
    int columnLen, offset;
    std::wstring fitted;
};

void PrintTo(const FitCase& c, std::ostream* out) { *out << c.label; }

class FitTextTest : public testing::TestWithParam<FitCase> {};

TEST_P(FitTextTest, ShortensWithDots) {
    const FitCase& c = GetParam();
    EXPECT_EQ(core::FitText(c.text, c.columnLen, c.offset, Measure), c.fitted);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FitTextTest,
    testing::Values(FitCase{"fits", L"abcd", 80, 12, L"abcd"},
                    FitCase{"fits_exactly", L"abcd", 36, 12, L"abcd"},
                    FitCase{"one_pixel_short", L"abcd", 35, 12, L"a..."},
                    FitCase{"cut_to_what_fits", L"abcdefghij", 60, 12, L"abcde..."},
                    FitCase{"empty", L"", 0, 12, L""},
                    FitCase{"first_character_always_stays", L"abcdef", 5, 12, L"a..."},
                    FitCase{"cjk_one_character_at_a_time", L"\x5DE5\x51B5\x4E00\x4E8C", 59, 12, L"\x5DE5\x51B5..."},
                    // A surrogate pair (here U+1F600, 24 pixels) is kept or dropped whole.
                    FitCase{"pair_dropped_whole", L"ab\xD83D\xDE00" L"cd", 59, 12, L"ab..."},
                    FitCase{"pair_kept_whole", L"ab\xD83D\xDE00" L"cdef", 70, 12, L"ab\xD83D\xDE00..."},
                    FitCase{"first_character_a_pair_stays_whole", L"\xD83D\xDE00" L"abc", 5, 12, L"\xD83D\xDE00..."},
                    FitCase{"lone_surrogates_are_characters", L"a\xDE00\xD83D" L"bcd", 53, 12, L"a\xDE00..."}),
    [](const testing::TestParamInfo<FitCase>& info) { return std::string(info.param.label); });

struct WidestCase {
    const char* label;
    std::vector<std::wstring> texts;
    int count;
    int widest;
};

class WidestTextTest : public testing::TestWithParam<WidestCase> {};

// The extent after each character of a run, as the platform gives it for the texts joined.
void RunExtents(std::wstring_view run, std::vector<int>& extents) {
    int extent = 0;
    for (std::size_t i = 0; i < run.size(); ++i) extents[i] = extent += Measure(run.substr(i, 1));
}

TEST_P(WidestTextTest, MeasuresOnlyTheFirstCount) {
    const WidestCase& c = GetParam();
    // Every text in one run, one run per text, and runs that end inside the list.
    for (std::size_t runLength : {std::size_t{4096}, std::size_t{1}, std::size_t{3}})
        EXPECT_EQ(core::WidestText(c.texts, c.count, RunExtents, Measure, runLength), c.widest) << runLength;
}

TEST(WidestTextTest, MeasuresTheWidestOnItsOwn) {
    // The result is the widest text's own measure, not the difference of the run's extents.
    int ownMeasures = 0;
    const auto measure = [&ownMeasures](std::wstring_view text) {
        ++ownMeasures;
        return Measure(text) + 1;
    };
    EXPECT_EQ(core::WidestText({L"ab", L"abcd", L"a"}, 3, RunExtents, measure), 25);
    EXPECT_EQ(ownMeasures, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Table, WidestTextTest,
    testing::Values(WidestCase{"widest_in_the_middle", {L"ab", L"abcd", L"a"}, 3, 24},
                    WidestCase{"cjk_counts_double", {L"abc", L"\x5DE5\x51B5"}, 2, 24},
                    WidestCase{"later_texts_not_measured", {L"a", L"ab", L"abcdef"}, 2, 12},
                    WidestCase{"count_beyond_the_texts", {L"abc"}, 5, 18},
                    WidestCase{"no_count", {L"abc"}, 0, 0},
                    WidestCase{"negative_count", {L"abc"}, -1, 0},
                    WidestCase{"no_texts", {}, 3, 0},
                    WidestCase{"empty_texts_among_them", {L"", L"abc", L""}, 3, 18},
                    WidestCase{"only_empty_texts", {L"", L""}, 2, 0}),
    [](const testing::TestParamInfo<WidestCase>& info) { return std::string(info.param.label); });

struct CutCase {
    const char* label;
    std::wstring text;
    std::size_t maxUnits;
    std::wstring cut;
};

class CutToUnitsTest : public testing::TestWithParam<CutCase> {};

TEST_P(CutToUnitsTest, NeverPartsASurrogatePair) {
    EXPECT_EQ(core::CutToUnits(GetParam().text, GetParam().maxUnits), GetParam().cut);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CutToUnitsTest,
    testing::Values(CutCase{"short_enough", L"abc", 259, L"abc"}, CutCase{"cut", L"abcd", 2, L"ab"},
                    CutCase{"pair_before_the_cut", L"a\xD83D\xDE00" L"b", 3, L"a\xD83D\xDE00"},
                    CutCase{"cut_inside_a_pair_falls_back", L"ab\xD83D\xDE00", 3, L"ab"},
                    CutCase{"lone_high_surrogate_at_the_cut", L"a\xD83D" L"bc", 2, L"a\xD83D"},
                    CutCase{"lone_low_surrogate_at_the_cut", L"a\xDE00" L"bc", 1, L"a"},
                    CutCase{"nothing_fits", L"\xD83D\xDE00", 1, L""}),
    [](const testing::TestParamInfo<CutCase>& info) { return std::string(info.param.label); });

TEST(CutToGbkBytesTest, NeverPartsASurrogatePair) {
    EXPECT_EQ(core::CutToGbkBytes(L"a\xD83D\xDE00", 4), L"a");
    EXPECT_EQ(core::CutToGbkBytes(L"a\xD83D\xDE00", 5), L"a\xD83D\xDE00");
}

TEST(CutToGbkBytesTest, CountsTwoBytesForChinese) {
    EXPECT_EQ(core::CutToGbkBytes(L"abc", 259), L"abc");
    EXPECT_EQ(core::CutToGbkBytes(L"abc", 2), L"ab");
    // 0x5DE5 takes two bytes: never half of it.
    EXPECT_EQ(core::CutToGbkBytes(L"a\x5DE5", 2), L"a");
    EXPECT_EQ(core::CutToGbkBytes(L"a\x5DE5", 3), L"a\x5DE5");
    const std::wstring longName(300, L'\x5DE5');
    EXPECT_EQ(core::CutToGbkBytes(longName, 259).size(), 129u);
}

}  // namespace
