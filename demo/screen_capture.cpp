// Screen capture through a 32-bit top-down DIB section: BitBlt from the screen DC, then the
// pixels are read straight from the section's memory.
#include "screen_capture.h"

#include "win_handles.h"

namespace demo {

RgbImage CaptureScreen(const RECT& rect) {
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) return {};

    WindowDc screen(nullptr);
    if (!screen.get()) return {};
    UniqueMemoryDc memory(CreateCompatibleDC(screen.get()));
    if (!memory) return {};

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // negative: rows from the top (BITMAPINFOHEADER remarks)
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    UniqueBitmap section(CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!section || !bits) return {};
    {
        SelectGuard select(memory.get(), section.get());
        // CAPTUREBLT takes layered windows along, as the user sees them.
        if (!BitBlt(memory.get(), 0, 0, width, height, screen.get(), rect.left, rect.top, SRCCOPY | CAPTUREBLT))
            return {};
        GdiFlush();  // the section's memory is complete only after the batch is flushed (CreateDIBSection remarks)
    }

    RgbImage image;
    image.width = width;
    image.height = height;
    image.rgb.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3);
    const auto* pixel = static_cast<const std::uint8_t*>(bits);  // B G R x
    std::uint8_t* out = image.rgb.data();
    for (std::size_t i = 0, n = static_cast<std::size_t>(width) * static_cast<std::size_t>(height); i < n; ++i) {
        out[0] = pixel[2];
        out[1] = pixel[1];
        out[2] = pixel[0];
        out += 3;
        pixel += 4;
    }
    return image;
}

}  // namespace demo
