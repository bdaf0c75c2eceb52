// The chooser's custom colours live as long as the library: a change made by the user lasts while
// the library stays loaded, and the base palette is back once the host unloads it and loads it
// again. Runs on a copy of the library, the one module the test program can unload.
#include <gtest/gtest.h>

#include <vector>

#include "colour_dialogs.h"
#include "library_copy.h"

namespace {

TEST(CustomColoursUnloadTest, UnloadingTheLibraryBringsBackTheBasePalette) {
    LibraryCopy copy(L"KorvelUnloaded.dll");
    // Looked up again after each load: the copy may come back at another address.
    const auto contour = [&] { return copy.ExportAs<ContourExport>("SDP_SHOWDWY_DLG"); };
    SetFirstCustomColour(RGB(1, 2, 3), contour());
    std::vector<COLORREF> changed = BaseColours();
    changed[0] = RGB(1, 2, 3);
    ASSERT_EQ(ChooserCustomColours(contour()), changed) << "the change lasts while the library is loaded";

    ASSERT_TRUE(copy.Unload()) << "the library stays loaded";
    ASSERT_TRUE(copy.Load());
    EXPECT_EQ(ChooserCustomColours(contour()), BaseColours());
}

}  // namespace
