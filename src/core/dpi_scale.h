// Sizes drawn for a screen of 96 DPI, at the DPI a window is shown at.
#pragma once

namespace core {

constexpr int kDefaultDpi = 96;

// `pixels` at 96 DPI, at `dpi`, to the nearest pixel; unchanged at 96 DPI or an unknown DPI (0 or
// less).
int ScaleToDpi(int pixels, int dpi) noexcept;

}  // namespace core
