// Name lists: entries between "|" separators, found by GBK character.
#include "core/names.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct SplitCase {
    const char* label;
    std::string names;
    std::vector<std::string> entries;
};

class SplitNamesTest : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitNamesTest, CountsAndSplitsEntries) {
    const SplitCase& c = GetParam();
    EXPECT_EQ(core::CountNames(c.names), static_cast<int>(c.entries.size()));
    EXPECT_EQ(core::SplitNames(c.names), c.entries);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SplitNamesTest,
    testing::Values(
        SplitCase{"three", "a|b|c", {"a", "b", "c"}},
        SplitCase{"empty_between", "a||c", {"a", "", "c"}},
        SplitCase{"separator_at_end", "a|b|", {"a", "b", ""}},
        SplitCase{"single_separator", "|", {"", ""}},
        SplitCase{"empty_string", "", {""}},
        SplitCase{"no_trimming", " a | b", {" a ", " b"}},
        // 0xD5 0x7C is one GBK character: its trail byte is not a separator.
        SplitCase{"gbk_trail_byte_7c", "\xD5\x7C|x", {"\xD5\x7C", "x"}},
        SplitCase{"gbk_names", "\xB9\xA4\xBF\xF6|\xD5\xF1\xD0\xCD", {"\xB9\xA4\xBF\xF6", "\xD5\xF1\xD0\xCD"}},
        // A lead byte at the very end stands alone; nothing past the string is read.
        SplitCase{"lone_lead_byte_at_end", "ab|c\x81", {"ab", "c\x81"}},
        SplitCase{"lone_lead_byte_before_separator", "\x81|x", {"\x81|x"}}),
    [](const testing::TestParamInfo<SplitCase>& info) { return std::string(info.param.label); });

struct WideSplitCase {
    const char* label;
    std::wstring names;
    std::vector<std::wstring> entries;
};

class WideSplitNamesTest : public testing::TestWithParam<WideSplitCase> {};

TEST_P(WideSplitNamesTest, SplitsEntries) { EXPECT_EQ(core::SplitNames(GetParam().names), GetParam().entries); }

INSTANTIATE_TEST_SUITE_P(
    Table, WideSplitNamesTest,
    testing::Values(WideSplitCase{"three", L"a|b|c", {L"a", L"b", L"c"}},
                    WideSplitCase{"empty_between", L"a||c", {L"a", L"", L"c"}},
                    WideSplitCase{"separator_at_end", L"a|", {L"a", L""}},
                    WideSplitCase{"empty_string", L"", {L""}},
                    WideSplitCase{"no_trimming", L" a | b", {L" a ", L" b"}},
                    WideSplitCase{"chinese", L"\x5DE5\x51B5|\x632F\x578B", {L"\x5DE5\x51B5", L"\x632F\x578B"}},
                    // A character outside the basic plane is two code units, neither of them "|".
                    WideSplitCase{"surrogate_pair", L"\xD840\xDC7C|x", {L"\xD840\xDC7C", L"x"}}),
    [](const testing::TestParamInfo<WideSplitCase>& info) { return std::string(info.param.label); });

TEST(HostStringTest, NullIsOneEmptyEntry) {
    EXPECT_TRUE(core::HostString(nullptr).empty());
    EXPECT_EQ(core::CountNames(core::HostString(nullptr)), 1);
    EXPECT_EQ(core::SplitNames(core::HostString(nullptr)), std::vector<std::string>{""});
}

TEST(SplitNamesTest, TenThousandNames) {
    std::string names;
    for (int i = 0; i < 10000; ++i) names += (i ? "|" : "") + std::to_string(i);
    const auto entries = core::SplitNames(names);
    ASSERT_EQ(entries.size(), 10000u);
    EXPECT_EQ(entries.front(), "0");
    EXPECT_EQ(entries.back(), "9999");
}

}  // namespace
