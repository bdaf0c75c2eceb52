// DPI arithmetic.
#include "core/dpi_scale.h"

namespace core {

int ScaleToDpi(int pixels, int dpi) noexcept {
    if (dpi <= 0 || dpi == kDefaultDpi) return pixels;
    const long long scaled = static_cast<long long>(pixels) * dpi;
    const long long half = kDefaultDpi / 2;
    return static_cast<int>((scaled >= 0 ? scaled + half : scaled - half) / kDefaultDpi);
}

}  // namespace core
