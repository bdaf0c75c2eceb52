// Image lists from the library's bitmaps.
#include "platform/image_list.h"

#include "core/dpi_scale.h"
#include "core/mark_image.h"
#include "platform/mark_images.h"
#include "platform/module.h"

namespace platform {

bool CImageList::Create(UINT bitmapId, int cx, int grow, COLORREF mask) {
    m_list.reset(ImageList_LoadImageW(AfxGetResourceHandle(), MAKEINTRESOURCEW(bitmapId), cx, grow, mask,
                                      IMAGE_BITMAP, LR_CREATEDIBSECTION));
    return static_cast<bool>(m_list);
}

bool CImageList::CreateMarks(UINT bitmapId, int cx, COLORREF mask, int dpi, int firstShown) {
    if (!Create(bitmapId, cx, 1, mask)) return false;
    // The library's marks are drawn the size of the platform's check box at 96 DPI: where that
    // size is the same they are used as drawn, without reading every image back.
    if (core::CheckBoxInk(dpi) == core::CheckBoxInk(core::kDefaultDpi)) return true;
    UniqueImageList sized = MarksForDpi(m_list.get(), dpi, core::ScaleToDpi(cx, dpi), firstShown);
    if (sized) m_list = std::move(sized);
    return true;
}

}  // namespace platform
