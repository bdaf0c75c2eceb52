// The DPI of the screen the dialogs are shown on, and sizes drawn for 96 DPI at that DPI.
#pragma once

namespace platform {

// Pixels per logical inch of the screen (LOGPIXELSY): the DPI the dialogs' fonts are sized for.
int ScreenDpi();
// `pixels` at 96 DPI, at the screen's DPI.
int ScaleToScreen(int pixels);
// The whole factor the library's images drawn for 96 DPI are enlarged by on this screen.
int ScreenImageFactor();

}  // namespace platform
