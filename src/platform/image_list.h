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
    // From a bitmap of the library's resources drawn for 96 DPI: images `cx` wide side by side,
    // `mask` transparent, enlarged by the screen's whole image factor (at 96 DPI as drawn).
    bool Create(UINT bitmapId, int cx, int grow, COLORREF mask);
    // A copy of `source` whose images are `factor` times as wide and high, pixel by pixel.
    bool CreateEnlarged(HIMAGELIST source, int factor);
    HIMAGELIST GetSafeHandle() const noexcept { return m_list.get(); }

private:
    UniqueImageList m_list;
};

}  // namespace platform
