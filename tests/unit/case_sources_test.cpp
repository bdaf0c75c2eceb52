// The sources of the displacement dialog's case list in combination mode, and how the list reads
// the fixed ones.
#include "core/case_sources.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "core/choice_names.h"
#include "core/names.h"

namespace {

std::vector<std::wstring> Items(const core::ChoiceNames& names) {
    std::vector<std::wstring> items;
    for (int i = 0; i < names.ItemCount(); ++i) items.push_back(names.ItemText(i));
    return items;
}

struct KindCase {
    int kind;
    core::CaseSource source;
};

class CaseSourceTest : public testing::TestWithParam<KindCase> {};

TEST_P(CaseSourceTest, KindChoosesTheSource) {
    EXPECT_EQ(core::CaseSourceOfKind(GetParam().kind), GetParam().source);
}

INSTANTIATE_TEST_SUITE_P(Table, CaseSourceTest,
                         testing::Values(KindCase{0, core::CaseSource::HostCases},
                                         KindCase{1, core::CaseSource::TargetCombinations},
                                         KindCase{2, core::CaseSource::NumberedCombinations},
                                         KindCase{3, core::CaseSource::Unchanged},
                                         KindCase{99, core::CaseSource::Unchanged},
                                         KindCase{-1, core::CaseSource::Unchanged},
                                         KindCase{INT_MIN, core::CaseSource::Unchanged},
                                         KindCase{INT_MAX, core::CaseSource::Unchanged}));

TEST(CaseSourceTest, TargetCombinationsAreTwelveRowsUnderTheirHeading) {
    const core::ChoiceNames names(core::SplitNames(core::kTargetCombinationNames), core::kTargetCombinationCount);
    EXPECT_FALSE(names.Numbered());
    EXPECT_EQ(names.Heading(), L"选择目标组合");
    EXPECT_EQ(Items(names), (std::vector<std::wstring>{L"Fxmin组合", L"Fymin组合", L"Fzmin组合", L"Mxmin组合",
                                                       L"Mymin组合", L"Mzmin组合", L"Fxmax组合", L"Fymax组合",
                                                       L"Fzmax组合", L"Mxmax组合", L"Mymax组合", L"Mzmax组合"}));
}

TEST(CaseSourceTest, CombinationsAreNumberedUpToTheCountLessTheHeading) {
    const core::ChoiceNames names(core::SplitNames(core::kCombinationNames), 5);
    EXPECT_TRUE(names.Numbered());
    EXPECT_EQ(names.Heading(), L"选择组合");
    EXPECT_EQ(Items(names), (std::vector<std::wstring>{L"组合1", L"组合2", L"组合3", L"组合4"}));
}

}  // namespace
