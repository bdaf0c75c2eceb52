// The ANSI code page this program runs under must be the one it was built for (its manifest asks
// for it): under any other, the cases that read decoded text would pass without testing anything.
// And a run limited to some cases must name only cases that exist, or a renamed case would drop
// out of it unnoticed.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

TEST(CodePageTest, IsTheOneThisProgramWasBuiltFor) {
    EXPECT_EQ(GetACP(), static_cast<UINT>(KORVEL_UI_CODE_PAGE))
        << "this program tests the dialogs under code page " << KORVEL_UI_CODE_PAGE;
}

// GoogleTest's filter patterns: '*' any run of characters, '?' any one.
bool Matches(const char* pattern, const char* name) {
    if (*pattern == '\0') return *name == '\0';
    if (*pattern == '*') return Matches(pattern + 1, name) || (*name != '\0' && Matches(pattern, name + 1));
    return *name != '\0' && (*pattern == '?' || *pattern == *name) && Matches(pattern + 1, name + 1);
}

std::vector<std::string> AllCaseNames() {
    std::vector<std::string> names;
    const testing::UnitTest& all = *testing::UnitTest::GetInstance();
    for (int s = 0; s < all.total_test_suite_count(); ++s) {
        const testing::TestSuite& suite = *all.GetTestSuite(s);
        for (int t = 0; t < suite.total_test_count(); ++t)
            names.push_back(std::string(suite.name()) + "." + suite.GetTestInfo(t)->name());
    }
    return names;
}

TEST(CodePageTest, EveryPatternOfTheRunNamesACase) {
    const std::string filter = GTEST_FLAG_GET(filter);
    const std::string positive = filter.substr(0, filter.find('-'));  // what follows '-' is left out
    const std::vector<std::string> names = AllCaseNames();
    std::size_t start = 0;
    while (start <= positive.size()) {
        const std::size_t end = std::min(positive.find(':', start), positive.size());
        const std::string pattern = positive.substr(start, end - start);
        start = end + 1;
        if (pattern.empty()) continue;
        bool found = false;
        for (const std::string& name : names) found = found || Matches(pattern.c_str(), name.c_str());
        EXPECT_TRUE(found) << "no case is named " << pattern;
    }
}

}  // namespace
