// CImageList: owns one image list. List views are given LVS_SHAREIMAGELISTS or the list outlives
// them, so the owner here is the only one that destroys it.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include "platform/handles.h"
#include "platform/module.h"

namespace platform {

class CImageList {
public:
    bool Create(int cx, int cy, UINT flags, int initial, int grow) {
        m_list.reset(ImageList_Create(cx, cy, flags, initial, grow));
        return static_cast<bool>(m_list);
    }
    // From a bitmap of the library's resources: images `cx` wide side by side, `mask` transparent.
    bool Create(UINT bitmapId, int cx, int grow, COLORREF mask) {
        m_list.reset(ImageList_LoadImageW(AfxGetResourceHandle(), MAKEINTRESOURCEW(bitmapId), cx, grow, mask,
                                          IMAGE_BITMAP, LR_CREATEDIBSECTION));
        return static_cast<bool>(m_list);
    }
    HIMAGELIST GetSafeHandle() const noexcept { return m_list.get(); }

private:
    UniqueImageList m_list;
};

}  // namespace platform
