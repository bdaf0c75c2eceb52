// Image lists from the library's bitmaps.
#include "platform/image_list.h"

#include "core/dpi_scale.h"
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
    UniqueImageList sized = MarksForDpi(m_list.get(), dpi, core::ScaleToDpi(cx, dpi), firstShown);
    if (sized) m_list = std::move(sized);
    return true;
}

}  // namespace platform
