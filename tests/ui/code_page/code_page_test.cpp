// The ANSI code page this program runs under must be the one it was built for (its manifest asks
// for it): under any other, the cases that read decoded text would pass without testing anything.
#include <gtest/gtest.h>

#include <windows.h>

TEST(CodePageTest, IsTheOneThisProgramWasBuiltFor) {
    EXPECT_EQ(GetACP(), static_cast<UINT>(KORVEL_UI_CODE_PAGE))
        << "this program tests the dialogs under code page " << KORVEL_UI_CODE_PAGE;
}
