// Screen DPI.
#include "platform/screen_dpi.h"

#include <windows.h>

#include "core/dpi_scale.h"
#include "platform/handles.h"

namespace platform {

int ScreenDpi() {
    const ClientDC screen(nullptr);
    return screen.get() ? GetDeviceCaps(screen.get(), LOGPIXELSY) : core::kDefaultDpi;
}

int ScaleToScreen(int pixels) { return core::ScaleToDpi(pixels, ScreenDpi()); }

int ScreenImageFactor() { return core::WholeImageFactor(ScreenDpi()); }

}  // namespace platform
