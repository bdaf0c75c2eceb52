// The state image index an item's state holds in bits 12 to 15 (LVIS_STATEIMAGEMASK,
// TVIS_STATEIMAGEMASK): the inverse of INDEXTOSTATEIMAGEMASK.
#pragma once
#include <windows.h>
#include <commctrl.h>

namespace platform {

constexpr int StateImageIndex(UINT state) noexcept { return static_cast<int>((state & LVIS_STATEIMAGEMASK) >> 12); }

}  // namespace platform
