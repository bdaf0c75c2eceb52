// Image lists from the library's bitmaps, enlarged for screens of more than 96 DPI.
#include "platform/image_list.h"

#include "platform/module.h"
#include "platform/screen_dpi.h"

namespace platform {
namespace {

// Draws every image of `source` side by side, as it shows (ILD_TRANSPARENT over black) or as its
// mask (ILD_MASK over white: black where the image is opaque), and enlarges the strip `factor`
// times.
UniqueBitmap EnlargedStrip(HIMAGELIST source, int factor, bool mask) {
    int cx = 0;
    int cy = 0;
    ImageList_GetIconSize(source, &cx, &cy);
    const int count = ImageList_GetImageCount(source);
    const ClientDC screen(nullptr);
    UniqueMemoryDc small(CreateCompatibleDC(screen.get()));
    UniqueMemoryDc large(CreateCompatibleDC(screen.get()));
    UniqueBitmap smallStrip(CreateCompatibleBitmap(screen.get(), cx * count, cy));
    UniqueBitmap largeStrip(mask ? CreateBitmap(cx * count * factor, cy * factor, 1, 1, nullptr)
                                       : CreateCompatibleBitmap(screen.get(), cx * count * factor, cy * factor));
    if (!small || !large || !smallStrip || !largeStrip) return {};
    {
        const SelectGuard selectSmall(small.get(), smallStrip.get());
        const SelectGuard selectLarge(large.get(), largeStrip.get());
        const RECT all{0, 0, cx * count, cy};
        FillRect(small.get(), &all, static_cast<HBRUSH>(GetStockObject(mask ? WHITE_BRUSH : BLACK_BRUSH)));
        for (int i = 0; i < count; ++i)
            ImageList_Draw(source, i, small.get(), i * cx, 0, mask ? ILD_MASK : ILD_TRANSPARENT);
        // Whole pixels, no blending: the enlarged images stay as sharp as the originals.
        SetStretchBltMode(large.get(), COLORONCOLOR);
        StretchBlt(large.get(), 0, 0, cx * count * factor, cy * factor, small.get(), 0, 0, cx * count, cy, SRCCOPY);
    }
    return largeStrip;
}

}  // namespace

bool CImageList::Create(UINT bitmapId, int cx, int grow, COLORREF mask) {
    m_list.reset(ImageList_LoadImageW(AfxGetResourceHandle(), MAKEINTRESOURCEW(bitmapId), cx, grow, mask,
                                      IMAGE_BITMAP, LR_CREATEDIBSECTION));
    const int factor = ScreenImageFactor();
    if (!m_list || factor == 1) return static_cast<bool>(m_list);
    CImageList drawn;
    drawn.m_list = std::move(m_list);
    return CreateEnlarged(drawn.GetSafeHandle(), factor);
}

bool CImageList::CreateEnlarged(HIMAGELIST source, int factor) {
    int cx = 0;
    int cy = 0;
    if (!source || factor < 1 || !ImageList_GetIconSize(source, &cx, &cy)) return false;
    const int count = ImageList_GetImageCount(source);
    m_list.reset(ImageList_Create(cx * factor, cy * factor, ILC_COLOR24 | ILC_MASK, count, 0));
    if (!m_list || count == 0) return static_cast<bool>(m_list);
    const UniqueBitmap images = EnlargedStrip(source, factor, false);
    const UniqueBitmap masks = EnlargedStrip(source, factor, true);
    if (!images || !masks || ImageList_Add(m_list.get(), images.get(), masks.get()) < 0) m_list.reset();
    return static_cast<bool>(m_list);
}

}  // namespace platform
