// How the single-choice lists read a name list: heading, count, numbered items.
#include "core/choice_names.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace {

struct ReadCase {
    const char* label;
    std::vector<std::wstring> names;
    int count;
    bool numbered;
    int entriesInUse;
    std::vector<std::wstring> items;
};

class ChoiceNamesTest : public testing::TestWithParam<ReadCase> {};

TEST_P(ChoiceNamesTest, ReadsItems) {
    const ReadCase& c = GetParam();
    const core::ChoiceNames names(c.names, c.count);
    EXPECT_EQ(names.Numbered(), c.numbered);
    EXPECT_EQ(names.Count(), c.entriesInUse);
    std::vector<std::wstring> items;
    for (int i = 0; i < names.ItemCount(); ++i) items.push_back(names.ItemText(i));
    EXPECT_EQ(items, c.items);
    EXPECT_EQ(names.Heading(), c.names.front());
}

INSTANTIATE_TEST_SUITE_P(
    Table, ChoiceNamesTest,
    testing::Values(
        ReadCase{"one_name_count_1", {L"M"}, 1, true, 2, {L"M1"}},
        ReadCase{"one_name_count_4", {L"Mode"}, 4, true, 5, {L"Mode1", L"Mode2", L"Mode3", L"Mode4"}},
        ReadCase{"two_names_count_4", {L"H", L"P"}, 4, true, 4, {L"P1", L"P2", L"P3"}},
        ReadCase{"two_names_count_1", {L"H", L"P"}, 1, true, 1, {}},
        ReadCase{"two_names_count_0", {L"H", L"P"}, 0, true, 0, {}},
        ReadCase{"five_names_count_9", {L"H", L"a", L"b", L"c", L"d"}, 9, false, 5, {L"a", L"b", L"c", L"d"}},
        ReadCase{"three_names_count_2", {L"H", L"a", L"b"}, 2, false, 2, {L"a"}},
        ReadCase{"negative_count", {L"H", L"a", L"b"}, -5, false, -5, {}},
        ReadCase{"negative_count_numbered", {L"M"}, -3, true, -2, {}},
        ReadCase{"empty_prefix", {L""}, 2, true, 3, {L"1", L"2"}}),
    [](const testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.label); });

TEST(ChoiceNamesTest, NumberedCountIsCappedWithoutOverflow) {
    const core::ChoiceNames single({L"M"}, INT_MAX);
    EXPECT_EQ(single.ItemCount(), core::kMaxNumberedItems);
    EXPECT_EQ(single.ItemText(core::kMaxNumberedItems - 1), L"M" + std::to_wstring(core::kMaxNumberedItems));
    const core::ChoiceNames pair({L"H", L"P"}, INT_MAX);
    EXPECT_EQ(pair.ItemCount(), core::kMaxNumberedItems);
}

TEST(ChoiceNamesTest, NumberedListsAreMeasuredByTheSampleAndTheLastNumber) {
    EXPECT_EQ(core::ChoiceNames({L"H", L"P"}, 100001).NumberedSamples(L"1234"),
              (std::vector<std::wstring>{L"P1234", L"P100000"}));
    EXPECT_EQ(core::ChoiceNames({L"M"}, 3).NumberedSamples(L"123"), (std::vector<std::wstring>{L"M123", L"M3"}));
    EXPECT_EQ(core::ChoiceNames({L"H", L"P"}, 1).NumberedSamples(L"123"), (std::vector<std::wstring>{L"P123"}));
}

TEST(ChoiceNamesTest, ColumnHeadersAreEntriesOrEmpty) {
    const core::ChoiceNames names({L"H", L"a", L"b"}, 3);
    EXPECT_EQ(names.EntryOrEmpty(0), L"H");
    EXPECT_EQ(names.EntryOrEmpty(2), L"b");
    EXPECT_EQ(names.EntryOrEmpty(3), L"");
    EXPECT_EQ(names.EntryOrEmpty(-1), L"");
}

TEST(ChoiceNamesTest, NoNamesReadsAsOneEmptyName) {
    const core::ChoiceNames names({}, 3);
    EXPECT_TRUE(names.Numbered());
    EXPECT_EQ(names.ItemCount(), 3);
    EXPECT_EQ(names.ItemText(2), L"3");
}

}  // namespace
