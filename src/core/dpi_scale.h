// Sizes drawn for a screen of 96 DPI, at the DPI of the screen the dialogs are shown on.
#pragma once

namespace core {

constexpr int kDefaultDpi = 96;

// `pixels` at 96 DPI, at `dpi`, to the nearest pixel; unchanged at 96 DPI or an unknown DPI (0 or
// less).
int ScaleToDpi(int pixels, int dpi) noexcept;

// The whole factor images drawn pixel by pixel for 96 DPI are enlarged by at `dpi`: the nearest
// whole number to dpi / 96 (150 % rounds up to 2), at least 1, so they stay sharp.
int WholeImageFactor(int dpi) noexcept;

}  // namespace core
