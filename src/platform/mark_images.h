// Marks (check boxes, radios, tree marks) at the size of the platform's check box at a DPI.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include "platform/handles.h"

namespace platform {

// The images of `source` drawn again so that their ink is core::CheckBoxInk(dpi) across, in the
// middle of square images `cell` pixels across (0: the source's images scaled as their ink is).
// The ink is that of the images from `firstShown` on: those before it are never shown.
// Null when the ink is already within a pixel of that size: the images are right as they are.
UniqueImageList MarksForDpi(HIMAGELIST source, int dpi, int cell = 0, int firstShown = 0);

}  // namespace platform
