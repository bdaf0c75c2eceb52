// The check list's radio images: each row shows the image of its state from the library's bitmap
// IDB_RADIO_IMAGES, inside the row left of its text, with the bitmap's white transparent.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <utility>

#include "client_snapshot.h"
#include "dialog_driver.h"
#include "gbk.h"
#include "korvel_library.h"
#include "library_bitmap.h"
#include "list_view.h"
#include "resource.h"

namespace {

// The list cuts the bitmap into three images this wide: unused, off, on.
constexpr int kImage = 20;
constexpr int kOffImage = 1, kOnImage = 2;

TEST(RadioImagesTest, RadiosAreDrawnFromTheLibrarysBitmapWithWhiteTransparent) {
    const Pixels strip = LibraryBitmap(IDB_RADIO_IMAGES);
    ASSERT_EQ(strip.width, 3 * kImage);
    ASSERT_EQ(strip.height, kImage);
    int result = -7, count = 4, choice = 2;
    const std::string names = Gbk(L"坐标|X向|Y向|Z向");
    RunDialog([&] { KORVEL_EXPORT(FXJG_SHOWZB_DLG)(&result, &count, &choice, names.c_str(), nullptr); },
              [&](DialogDriver& d) {
                  const ListView list(d.Item(IDC_LIST_CASES));
                  // A background of another colour than white shows whether white pixels are transparent.
                  const COLORREF background = RGB(0, 128, 128);
                  SendMessageW(list.Handle(), LVM_SETBKCOLOR, 0, background);
                  InvalidateRect(list.Handle(), nullptr, TRUE);
                  const ClientSnapshot snapshot(list.Handle());
                  // Row 0 off, row 1 on: the host chose 2.
                  for (const auto& [row, image] : {std::pair{0, kOffImage}, std::pair{1, kOnImage}}) {
                      RECT area = list.RowBounds(row);
                      area.right = list.RowLabel(row).left;
                      const Pixels drawn = ImageOver(strip, image, kImage, RGB(255, 255, 255), background);
                      EXPECT_NE(FindImage(snapshot, area, drawn).x, -1) << "row " << row << " shows no image " << image;
                  }
                  d.ClickItem(IDCANCEL);
                  d.WaitClosed();
              });
    EXPECT_EQ(result, 1);
}

}  // namespace
