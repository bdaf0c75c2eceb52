// The check list's radio images (bitmap IDB_RADIO_IMAGES): size, colour depth and every pixel as loaded from
// the module, and the radio drawn in a row with its white pixels transparent.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include "client_snapshot.h"
#include "dialog_driver.h"
#include "gbk.h"
#include "korvel_library.h"
#include "list_view.h"
#include "resource.h"

namespace {

constexpr int kImage = 20;
constexpr COLORREF kBlack = RGB(0, 0, 0), kGrey = RGB(128, 128, 128), kSilver = RGB(192, 192, 192),
                   kWhite = RGB(255, 255, 255);

// The radio-on image: a ring 12 pixels across at pixels 4 to 15, grey outside, its inner edge
// black on the upper left and silver on the lower right, with a black dot in the middle.
// The radio-off image is the same without the dot (the four middle rows' o are white).
const std::vector<std::string> kRadioOn{
    "wwwwwwwwwwwwwwwwwwww", "wwwwwwwwwwwwwwwwwwww", "wwwwwwwwwwwwwwwwwwww", "wwwwwwwwwwwwwwwwwwww",
    "wwwwwwwwggggwwwwwwww", "wwwwwwggkkkkggwwwwww", "wwwwwgkkwwwwksgwwwww", "wwwwwgkwwwwwwsgwwwww",
    "wwwwgkwwwoowwwsgwwww", "wwwwgkwwoooowwsgwwww", "wwwwgkwwoooowwsgwwww", "wwwwgkwwwoowwwsgwwww",
    "wwwwwgkwwwwwwsgwwwww", "wwwwwgsswwwwssgwwwww", "wwwwwwggssssggwwwwww", "wwwwwwwwggggwwwwwwww",
    "wwwwwwwwwwwwwwwwwwww", "wwwwwwwwwwwwwwwwwwww", "wwwwwwwwwwwwwwwwwwww", "wwwwwwwwwwwwwwwwwwww"};

COLORREF Colour(char c, bool dot, COLORREF white) {
    switch (c) {
    case 'k': return kBlack;
    case 'g': return kGrey;
    case 's': return kSilver;
    case 'o': return dot ? kBlack : white;
    default: return white;
    }
}

// Every pixel of the bitmap, top row first, as COLORREFs.
std::vector<std::vector<COLORREF>> Pixels(HBITMAP bitmap, int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<DWORD> bits(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, bitmap, 0, static_cast<UINT>(height), bits.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    std::vector<std::vector<COLORREF>> rows(static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const DWORD bgr = bits[static_cast<std::size_t>(y * width + x)];
            rows[static_cast<std::size_t>(y)].push_back(RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF));
        }
    return rows;
}

TEST(RadioImagesTest, BitmapHoldsThreeTwentyPixelImagesInSixteenColours) {
    HBITMAP bitmap = static_cast<HBITMAP>(LoadImageW(KorvelLibrary::Get().Module(), MAKEINTRESOURCEW(IDB_RADIO_IMAGES),
                                                     IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    ASSERT_NE(bitmap, nullptr);
    BITMAP header{};
    GetObjectW(bitmap, sizeof header, &header);
    EXPECT_EQ(header.bmWidth, 3 * kImage);
    EXPECT_EQ(header.bmHeight, kImage);
    EXPECT_EQ(header.bmBitsPixel, 4);

    const auto pixels = Pixels(bitmap, 3 * kImage, kImage);
    DeleteObject(bitmap);
    for (int y = 0; y < kImage; ++y) {
        for (int x = 0; x < kImage; ++x) {
            const char c = kRadioOn[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
            const auto& row = pixels[static_cast<std::size_t>(y)];
            EXPECT_EQ(row[static_cast<std::size_t>(x)], kSilver) << "image 0 at " << x << "," << y;
            EXPECT_EQ(row[static_cast<std::size_t>(kImage + x)], Colour(c, false, kWhite)) << "off at " << x << "," << y;
            EXPECT_EQ(row[static_cast<std::size_t>(2 * kImage + x)], Colour(c, true, kWhite)) << "on at " << x << "," << y;
        }
    }
}

// The 20 x 20 square of a row's state image in a snapshot, found by its grey ring: the ring's
// leftmost and topmost grey pixels lie 4 pixels in from the square's edges.
RECT StateImageRect(const ClientSnapshot& snapshot, const ListView& list, int row) {
    const RECT bounds = list.RowBounds(row);
    int left = INT_MAX;
    int top = INT_MAX;
    for (int y = bounds.top; y < bounds.bottom; ++y)
        for (int x = std::max(0, static_cast<int>(bounds.left)); x < list.RowLabel(row).left; ++x)
            if (snapshot.Pixel(x, y) == kGrey) {
                left = std::min(left, x);
                top = std::min(top, y);
            }
    return RECT{left - 4, top - 4, left - 4 + kImage, top - 4 + kImage};
}

TEST(RadioImagesTest, RadiosAreDrawnWithWhiteTransparent) {
    int result = -7, count = 4, choice = 2;
    const std::string names = Gbk(L"坐标|X向|Y向|Z向");
    RunDialog(
        [&] {
            KORVEL_EXPORT(FXJG_SHOWZB_DLG)(&result, &count, &choice, names.c_str(),
                                                                                 nullptr);
        },
        [](DialogDriver& d) {
            const ListView list(d.Item(IDC_LIST_CASES));
            // A background of another colour than white shows whether white pixels are transparent.
            const COLORREF background = RGB(0, 128, 128);
            SendMessageW(list.Handle(), LVM_SETBKCOLOR, 0, background);
            InvalidateRect(list.Handle(), nullptr, TRUE);
            const ClientSnapshot snapshot(list.Handle());
            for (int row : {0, 1}) {  // off, and on (the host's choice 2)
                const RECT bounds = list.RowBounds(row);
                const RECT image = StateImageRect(snapshot, list, row);
                ASSERT_GE(image.left, bounds.left);
                ASSERT_GE(image.top, bounds.top);
                ASSERT_LE(image.bottom, bounds.bottom);
                for (int y = 0; y < kImage; ++y)
                    for (int x = 0; x < kImage; ++x) {
                        const char c = kRadioOn[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
                        EXPECT_EQ(snapshot.Pixel(image.left + x, image.top + y), Colour(c, row == 1, background))
                            << "row " << row << " at " << x << "," << y;
                    }
            }
            d.ClickItem(IDCANCEL);
            d.WaitClosed();
        });
    EXPECT_EQ(result, 1);
}

}  // namespace
