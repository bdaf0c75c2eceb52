// CImageList: owns one image list. List views are given LVS_SHAREIMAGELISTS or the list outlives
// them, so the owner here is the only one that destroys it.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include "platform/handles.h"

namespace platform {

class CImageList {
public:
    bool Create(int cx, int cy, UINT flags, int initial, int grow) {
        m_list.reset(ImageList_Create(cx, cy, flags, initial, grow));
        return static_cast<bool>(m_list);
    }
    // From a bitmap of the library's resources: images `cx` wide side by side, `mask` transparent,
    // as drawn.
    bool Create(UINT bitmapId, int cx, int grow, COLORREF mask);
    // The same for marks drawn for 96 DPI (check boxes, radios, tree marks), drawn again at the
    // size of the platform's check box at `dpi` (core::CheckBoxInk) in images scaled with the DPI.
    // Images before `firstShown` are never shown: their ink does not count.
    bool CreateMarks(UINT bitmapId, int cx, COLORREF mask, int dpi, int firstShown);
    // Takes `list` over, destroying the one held before.
    void Attach(UniqueImageList list) noexcept { m_list = std::move(list); }
    HIMAGELIST GetSafeHandle() const noexcept { return m_list.get(); }

private:
    UniqueImageList m_list;
};

}  // namespace platform
